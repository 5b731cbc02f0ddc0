// Form3: browse drives and directories and pick the ".bmp" picture of the next game.
#include "PictureDialog.h"

#include "Drives.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>


namespace surabe {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// The full path of a file in the directory, with exactly one separator between them.
QString JoinPath(const QString &directory, const QString &fileName)
{
    if (directory.endsWith(QDir::separator()))
        return directory + fileName;
    return directory + QDir::separator() + fileName;
}

// A directory list opens an entry on Enter as on a double click.
class DirectoryList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            emit itemActivated(currentItem());
            event->accept();
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

} // namespace

PictureDialog::PictureDialog(GameState &state, QWidget *parent)
    : TwipsDialog(parent, "Form3", QStringLiteral("ＢＭＰファイルの読み込み"), {696, 1308, 7656, 4644}, kLightGrey),
      state_(state)
{
    QPushButton *ok = MakeButton("Command1", QStringLiteral("O K"));
    QPushButton *cancel = MakeButton("Command2", QStringLiteral("ｷｬﾝｾﾙ"));
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));
    folders_ = new DirectoryList(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("File1"));
    QLabel *label = MakeLabel("Label1", QStringLiteral("ファイル名(&N&ﾅ)"), kLightGrey, Qt::black);
    path_ = MakeTextBox("Text1");
    SetBuddy(label, path_);
    PaintBlackOnWhite(drives_);
    PaintBlackOnWhite(folders_);
    PaintBlackOnWhite(files_);
    PlaceInTabOrder({
        {ok, 6360, 240, 1092, 492},
        {cancel, 6360, 960, 1092, 492},
        {drives_, 360, 240, 2532, 276},
        {folders_, 360, 840, 2532, 2676},
        {files_, 3240, 240, 2532, 3264},
        {label, 360, 3960, 1332, 372},
        {path_, 1920, 3960, 5532, 372},
    });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PictureDialog::StorePicture);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The lists start on the program's current drive and directory, which browsing never changes.
    FillDrives();
    OpenDirectory(QDir::currentPath());
    connect(drives_, &QComboBox::currentIndexChanged, this, &PictureDialog::DriveChosen);
    connect(folders_, &QListWidget::itemActivated, this, &PictureDialog::DirectoryActivated);
    // Only a file the player chooses fills the path: a click, the arrow keys. Tabbing into the
    // list makes its first file current without choosing it, and must not replace a typed path.
    connect(files_, &QListWidget::itemSelectionChanged, this, &PictureDialog::FileSelected);
    connect(files_, &QListWidget::itemClicked, this, &PictureDialog::FileSelected);
    ok->setFocus();
}

void PictureDialog::FillDrives()
{
    const QList<Drive> drives = Drives();
    for (const Drive &drive : drives) {
        QString text = Native(drive.rootPath);
        if (!drive.name.isEmpty())
            text += QStringLiteral(" [%1]").arg(drive.name);
        drives_->addItem(text, drive.rootPath);
    }
    // The root stands first, and it holds every path: there is always a current drive.
    driveIndex_ = int(qMax(qsizetype(0), DriveHolding(drives, QDir::currentPath())));
    drives_->setCurrentIndex(driveIndex_);
}

void PictureDialog::DriveChosen(int index)
{
    // A drive is shown from its root directory.
    if (index >= 0 && OpenDirectory(drives_->itemData(index).toString())) {
        driveIndex_ = index;
        return;
    }
    QSignalBlocker keep(drives_);
    drives_->setCurrentIndex(driveIndex_);
}

void PictureDialog::DirectoryActivated(QListWidgetItem *item)
{
    if (item)
        OpenDirectory(item->data(kPathRole).toString());
}

bool PictureDialog::OpenDirectory(const QString &path)
{
    const QDir directory(path);
    const bool readable = directory.exists() && directory.isReadable();
    const QFileInfoList subdirectories =
        readable ? directory.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase) : QFileInfoList();
    const QStringList pictures =
        readable ? directory.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase) : QStringList();
    if (!readable) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("「%1」を読み込めません。\n前のフォルダーを表示したままにします。").arg(Native(path)));
        return false;
    }

    directory_ = Native(directory.absolutePath());
    folders_->clear();
    // The directory's parents from the root down, the directory itself, then its subdirectories.
    QStringList chain;
    for (QDir walk(directory.absolutePath());; ) {
        chain.prepend(walk.absolutePath());
        if (walk.isRoot() || !walk.cdUp())
            break;
    }
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QDir level(chain[depth]);
        const QString name = level.isRoot() ? Native(level.absolutePath()) : level.dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + name, folders_);
        item->setData(kPathRole, chain[depth]);
    }
    folders_->setCurrentRow(folders_->count() - 1);
    const QString indent(chain.size() * 2, u' ');
    for (const QFileInfo &subdirectory : subdirectories) {
        auto *item = new QListWidgetItem(indent + subdirectory.fileName(), folders_);
        item->setData(kPathRole, subdirectory.absoluteFilePath());
    }

    const QSignalBlocker quiet(files_);
    files_->clear();
    files_->addItems(pictures);
    return true;
}

void PictureDialog::FileSelected()
{
    const QList<QListWidgetItem *> chosen = files_->selectedItems();
    if (!chosen.isEmpty())
        path_->setText(JoinPath(directory_, chosen.first()->text()));
}

void PictureDialog::StorePicture()
{
    if (!path_->text().isEmpty())
        state_.PictureFile = path_->text().toStdString();
    accept();
}

} // namespace surabe
