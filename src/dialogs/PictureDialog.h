// Form3: browse drives and directories and pick the ".bmp" picture of the next game.
#pragma once

#include "GameState.h"
#include "TwipsDialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace surabe {

class PictureDialog : public TwipsDialog {
    Q_OBJECT
public:
    PictureDialog(GameState &state, QWidget *parent = nullptr);

    // Opens a directory as a double click in the directory list does; false (and a message
    // to the player) when it cannot be read, the lists then keep the previous one.
    bool OpenDirectory(const QString &path);

private:
    void FillDrives();
    void DriveChosen(int index);
    void DirectoryActivated(QListWidgetItem *item);
    void FileSelected();
    void StorePicture();

    GameState &state_;
    QComboBox *drives_;    // Drive1
    QListWidget *folders_; // Dir1
    QListWidget *files_;   // File1
    QLineEdit *path_;      // Text1
    QString directory_;    // what Dir1 and File1 show, in native form
    int driveIndex_ = -1;
};

} // namespace surabe
