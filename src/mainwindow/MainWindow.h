// Form1: the board, the preview, the clock and the menus; the screen the puzzle engine talks to.
#pragma once

#include "BoardPicture.h"
#include "GameState.h"
#include "PuzzleEngine.h"
#include "RandomSource.h"
#include "Screen.h"
#include "Twips.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QTimer;

namespace surabe {

class ImageControl;

class MainWindow : public QMainWindow, public Screen {
    Q_OBJECT
public:
    // Tests may hand in their own random source; the game uses one seeded from the clock.
    explicit MainWindow(GameState &state, RandomSource *random = nullptr, QWidget *parent = nullptr);

    // Screen
    void PlaceTileBox(int tile, int cell) override;
    void SetTileBoxVisible(int tile, bool visible) override;
    void SetPreviewVisible(bool visible) override;
    void SetClockLabelVisible(bool visible) override;
    void SetClockText(const char *utf8Text) override;
    bool IsClockEnabled() const override;
    void SetClockEnabled(bool enabled) override;
    void LayoutBoard() override;
    void OpenBestTimeEntry() override;

signals:
    // The exit command has saved the settings file; the program ends now.
    void exitChosen();

protected:
    bool event(QEvent *event) override;

private:
    void BuildMenus();
    void Startup();
    void ExitGame();
    PixelGrid BoardGrid() const;
    void ShowBoardPicture(const QPixmap &picture);
    void RescaleBoardPicture();

    GameState &state_;
    ClockSeededRandom clockRandom_;
    PuzzleEngine engine_;

    std::array<QWidget *, kTileBoxCount> tileBoxes_{};       // Picture1
    std::array<ImageControl *, kTileBoxCount> tileImages_{}; // Image2
    ImageControl *preview_ = nullptr;                        // Image1
    QLabel *clockLabel_ = nullptr;                           // Label1
    QTimer *clockTimer_ = nullptr;                           // Timer1
    BoardPictureCache pictures_;
    // What the board of the game shows, to make it again at another display scale.
    QString boardPicturePath_;
    bool boardNumbered_ = false;
};

} // namespace surabe
