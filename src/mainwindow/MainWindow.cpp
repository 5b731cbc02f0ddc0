// Form1: the board, the preview, the clock and the menus; the screen the puzzle engine talks to.
#include "MainWindow.h"

#include "AccessKeys.h"
#include "AppIcon.h"
#include "BestTimeEntryDialog.h"
#include "BestTimesDialog.h"
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "ClearBestTimesDialog.h"
#include "Colours.h"
#include "ImageControl.h"
#include "PictureDialog.h"
#include "SettingsDialog.h"
#include "SettingsFile.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>

namespace surabe {

namespace {

constexpr int kClientLeft = 348, kClientTop = 912, kClientWidth = 11400, kClientHeight = 7788;
constexpr int kClockLabelWidth = 4215, kClockLabelHeight = 495;

} // namespace

MainWindow::MainWindow(GameState &state, RandomSource *random, QWidget *parent)
    : QMainWindow(parent), state_(state), engine_(state, *this, random ? *random : clockRandom_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Surabe    For Windows"));
    setWindowIcon(AppIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    PaintColours(client, Qt::black, palette().color(QPalette::WindowText));
    setCentralWidget(client);

    for (int tile = 0; tile < kTileBoxCount; ++tile) {
        auto *box = new QWidget(client);
        box->setObjectName(QStringLiteral("Picture1"));
        box->setProperty("index", tile);
        PaintColours(box, palette().color(QPalette::Base), palette().color(QPalette::Text));
        auto *image = new ImageControl("Image2", tile, box);
        connect(image, &ImageControl::pressed, this, [this](int index) { engine_.TilePressed(index); });
        connect(image, &ImageControl::released, this, [this](int) { engine_.TileReleased(); });
        tileBoxes_[tile] = box;
        tileImages_[tile] = image;
    }
    preview_ = new ImageControl("Image1", 0, client);
    clockLabel_ = new QLabel(client);
    clockLabel_->setObjectName(QStringLiteral("Label1"));
    PaintColours(clockLabel_, Qt::black, Qt::white);
    clockLabel_->setGeometry(TwipsRectToPixels(0, 0, kClockLabelWidth, kClockLabelHeight));
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(1000);
    clockTimer_->setTimerType(Qt::PreciseTimer); // a clock of seconds must not run slow
    connect(clockTimer_, &QTimer::timeout, this, [this] { engine_.ClockTick(); });

    BuildMenus();
    const QRect clientArea = TwipsRectToPixels(kClientLeft, kClientTop, kClientWidth, kClientHeight);
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(clientArea.adjusted(0, -menuHeight, 0, 0));
    setFixedSize(clientArea.width(), clientArea.height() + menuHeight);

    Startup();
}

void MainWindow::BuildMenus()
{
    auto action = [](QWidget *owner, const char *name, const QString &caption) {
        auto *item = new QAction(caption, owner);
        item->setObjectName(QString::fromLatin1(name));
        owner->addAction(item);
        return item;
    };
    QMenu *game = NewMenuWithKanaKeys(QStringLiteral("ゲーム(&G&ｹ)"), this);
    game->setObjectName(QStringLiteral("GAMEP"));
    menuBar()->addMenu(game);
    connect(action(game, "GAMES", QStringLiteral("ゲーム開始(&S&ｽ)")), &QAction::triggered, this,
            [this] { engine_.NewGame(); });
    connect(action(game, "HISCO", QStringLiteral("ハイスコア(&H&ﾊ)")), &QAction::triggered, this,
            [this] { BestTimesDialog(state_, this).exec(); });
    connect(action(game, "HISCLR", QStringLiteral("ハイスコアのクリア(&C&ｸ)")), &QAction::triggered, this,
            [this] { ClearBestTimesDialog(state_, this).exec(); });
    connect(action(game, "GAMEE", QStringLiteral("終了(&E&ｴ)")), &QAction::triggered, this, &MainWindow::ExitGame);
    QAction *settings = action(menuBar(), "SETTEI", QStringLiteral("設定(&S&ｾ)"));
    connect(settings, &QAction::triggered, this, [this] { SettingsDialog(state_, this).exec(); });
    QAction *picture = action(menuBar(), "FSET", QStringLiteral("ファイル(&F&ﾌ)"));
    connect(picture, &QAction::triggered, this, [this] { PictureDialog(state_, this).exec(); });

    // The menu bar's kana keys; Qt itself knows the Latin letters.
    connect(new QShortcut(AltKana(KanaAccessKey(game->title())), this), &QShortcut::activated, this,
            [this, game] { menuBar()->setActiveAction(game->menuAction()); });
    for (QAction *command : {settings, picture})
        connect(new QShortcut(AltKana(KanaAccessKey(command->text())), this), &QShortcut::activated, command,
                &QAction::trigger);
}

void MainWindow::Startup()
{
    for (QWidget *box : tileBoxes_)
        box->hide();
    preview_->hide();
    clockLabel_->hide();
    state_.PictureFile = "auto.bmp";
    LoadSettings(state_);
}

void MainWindow::ExitGame()
{
    const SaveResult result = SaveSettings(state_);
    if (!result.saved) {
        // The previous file is still whole; the player may try again or close without saving.
        QMessageBox::warning(this, QStringLiteral("終了"),
                             QStringLiteral("「%1」を保存できませんでした。\n%2\n前のファイルはそのまま残っています。")
                                 .arg(QString::fromLatin1(kSettingsFileName), result.error));
        return;
    }
    emit exitChosen();
}

PixelGrid MainWindow::BoardGrid() const
{
    // A block so large that the board leaves the 16-bit range is cut to fit it, as the board's
    // twips are; no picture is ever scaled beyond that.
    const int n = state_.BoardSize;
    const int span = BoardSpan(state_);
    const int block = n > 0 && span < n * state_.BlockSize ? span / n : state_.BlockSize;
    return PixelGrid(state_.LeftMargin, state_.TopMargin, block);
}

void MainWindow::PlaceTileBox(int tile, int cell)
{
    // A move places a box by its cell alone; its size and its piece stay as the layout made them.
    const int n = state_.BoardSize;
    tileBoxes_[tile]->move(n > 0 ? BoardGrid().CellCorner((cell - 1) % n, (cell - 1) / n) : QPoint());
}

void MainWindow::SetTileBoxVisible(int tile, bool visible)
{
    tileBoxes_[tile]->setVisible(visible);
}

void MainWindow::SetPreviewVisible(bool visible)
{
    preview_->setVisible(visible);
}

void MainWindow::SetClockLabelVisible(bool visible)
{
    clockLabel_->setVisible(visible);
}

void MainWindow::SetClockText(const char *utf8Text)
{
    clockLabel_->setText(QString::fromUtf8(utf8Text));
}

bool MainWindow::IsClockEnabled() const
{
    return clockTimer_->isActive();
}

void MainWindow::SetClockEnabled(bool enabled)
{
    if (enabled)
        clockTimer_->start();
    else
        clockTimer_->stop();
}

void MainWindow::LayoutBoard()
{
    const int n = state_.BoardSize;
    const int cells = n * n;
    const PixelGrid grid = BoardGrid();
    // The picture is scaled once to the board's extent on screen; the preview and every tile
    // image take that size, so all of them show the very same pixels.
    const QSize picturePixels = grid.Span(n);

    preview_->setGeometry(QRect(QPoint(TwipsToPixels(PreviewLeft(state_)), TwipsToPixels(PreviewTop(state_))),
                                picturePixels));
    preview_->SetPiece(QPoint(0, 0), centralWidget(), preview_->pos());
    clockLabel_->move(TwipsToPixels(ClockLabelLeft(state_)), TwipsToPixels(ClockLabelTop(state_)));

    // Each image is as large as the board and shifted so that only its own piece shows; the
    // piece depends on the tile number alone, so it is set before any box is placed.
    for (int tile = 0; tile < cells; ++tile) {
        const QPoint piece(tile % n * grid.Side(), tile / n * grid.Side());
        tileBoxes_[tile]->resize(grid.Side(), grid.Side());
        tileImages_[tile]->setGeometry(QRect(-piece, picturePixels));
        tileImages_[tile]->SetPiece(piece, centralWidget(), grid.Origin());
    }
    for (int cell = 1; cell <= cells; ++cell)
        PlaceTileBox(state_.Board[cell], cell);
    if (n != kMaxBoardSize) {
        for (int tile = cells; tile < kTileBoxCount; ++tile)
            tileBoxes_[tile]->move(TwipsToPixels(ParkedLeft(state_)), TwipsToPixels(ParkedTop(state_)));
    }

    QPixmap picture;
    boardPicturePath_ = QString::fromStdString(state_.PictureFile);
    boardNumbered_ = false;
    if (!picturePixels.isEmpty()) {
        const BoardPictureCache::Picture shown = pictures_.Get(boardPicturePath_, n, picturePixels, devicePixelRatioF());
        picture = shown.pixmap;
        boardNumbered_ = !shown.problem.isEmpty();
        if (boardNumbered_)
            QMessageBox::warning(this, QStringLiteral("画像の読み込み"),
                                 QStringLiteral("画像ファイル「%1」を読み込めませんでした。\n%2\nタイルには番号を表示します。")
                                     .arg(boardPicturePath_, shown.problem));
    }
    ShowBoardPicture(picture);
    RebuildTilePos(state_);
}

void MainWindow::ShowBoardPicture(const QPixmap &picture)
{
    preview_->SetPicture(picture);
    for (int tile = 0; tile < state_.BoardSize * state_.BoardSize; ++tile)
        tileImages_[tile]->SetPicture(picture);
}

bool MainWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    const bool scaleMayHaveChanged = event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
                                     || event->type() == QEvent::DevicePixelRatioChange
#endif
        ;
    if (scaleMayHaveChanged)
        RescaleBoardPicture();
    return handled;
}

void MainWindow::RescaleBoardPicture()
{
    // On a screen of another scale the picture, scaled in device pixels, would show at the wrong
    // size: the board of the game in progress is made again for the new scale, from the same file.
    const qreal ratio = devicePixelRatioF();
    const QSize size = preview_->size();
    if (!preview_->isVisible() || preview_->Picture().isNull() || qFuzzyCompare(preview_->Picture().devicePixelRatio(), ratio))
        return;
    const int n = state_.BoardSize;
    if (boardNumbered_) {
        ShowBoardPicture(NumberedBoard(n, size, ratio));
        return;
    }
    const BoardPictureCache::Picture again = pictures_.Get(boardPicturePath_, n, size, ratio);
    if (again.problem.isEmpty()) // a file gone since the game began leaves the board as it is
        ShowBoardPicture(again.pixmap);
}

void MainWindow::OpenBestTimeEntry()
{
    BestTimeEntryDialog dialog(state_, this);
    dialog.exec();
}

} // namespace surabe
