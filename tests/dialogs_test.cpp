// The modal dialogs, each tested as an object: geometry, captions, keys, focus, and what "O K" stores.
#include "BestTimeEntryDialog.h"
#include "BestTimesDialog.h"
#include "ClearBestTimesDialog.h"
#include "NumberReader.h"
#include "PictureDialog.h"
#include "SettingsDialog.h"
#include "QtTestSupport.h"
#include "Text.h"
#include "Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace surabe {

using namespace testsupport;

namespace {

struct Place {
    const char *name;
    int left, top, width, height;
};

void ExpectPlaces(QWidget *dialog, std::initializer_list<Place> places)
{
    for (const Place &place : places) {
        QWidget *control = dialog->findChild<QWidget *>(QString::fromLatin1(place.name));
        QVERIFY2(control, place.name);
        QCOMPARE(control->geometry(), TwipsRectToPixels(place.left, place.top, place.width, place.height));
    }
}

// The window's name and caption, and where its client area stands on the screen.
void ExpectWindow(QWidget *dialog, const char *name, const QString &caption, int left, int top, int width, int height)
{
    QCOMPARE(dialog->objectName(), QString::fromLatin1(name));
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->geometry(), TwipsRectToPixels(left, top, width, height));
}

// Walks the focus chain with Tab from the control that has the focus.
QStringList TabWalk(int steps)
{
    QStringList names;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

GameState FinishedGame(int boardSize, int seconds)
{
    GameState state;
    state.BoardSize = static_cast<Int16>(boardSize);
    state.ElapsedSec = static_cast<Int16>(seconds);
    for (int slot = 1; slot <= 5; ++slot) {
        state.BestTime[slot] = static_cast<Int16>(100 + slot);
        state.BestName[slot] = "old " + std::to_string(slot);
    }
    return state;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // ---- what every dialog with "ｷｬﾝｾﾙ" shares ----

    void cancelEscAndTheCloseBoxStoreNothing()
    {
        using Factory = std::function<QDialog *(GameState &)>;
        const std::pair<const char *, Factory> dialogs[] = {
            {"Form2", [](GameState &s) -> QDialog * { return new SettingsDialog(s); }},
            {"Form3", [](GameState &s) -> QDialog * { return new PictureDialog(s); }},
            {"Form5", [](GameState &s) -> QDialog * { return new ClearBestTimesDialog(s); }},
            {"Form6", [](GameState &s) -> QDialog * { return new BestTimeEntryDialog(s); }},
        };
        const std::pair<const char *, std::function<void(QDialog &)>> ways[] = {
            {"ｷｬﾝｾﾙ", [](QDialog &d) { QTest::mouseClick(d.findChild<QPushButton *>("Command2"), Qt::LeftButton); }},
            {"Esc", [](QDialog &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
            {"close box", [](QDialog &d) { d.close(); }},
        };
        GameFolder folder;
        SavePicture(folder.Path("a.bmp"));
        for (const auto &[name, make] : dialogs) {
            for (const auto &[way, leave] : ways) {
                GameState state = FinishedGame(5, 40);
                state.LeftMargin = 120;
                state.Level = 2;
                state.PictureFile = "auto.bmp";
                const GameState before = state;
                std::unique_ptr<QDialog> dialog(make(state));
                dialog->show();
                QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
                // Edit everything there is to edit, then leave without "O K".
                for (QLineEdit *box : dialog->findChildren<QLineEdit *>())
                    box->setText(QStringLiteral("77"));
                if (auto *files = dialog->findChild<QListWidget *>("File1"))
                    files->setCurrentRow(0);
                leave(*dialog);
                const QByteArray where = QByteArray(name) + " by " + way;
                QVERIFY2(!dialog->isVisible(), where.constData());
                QCOMPARE(dialog->result(), int(QDialog::Rejected));
                QVERIFY2(state == before, where.constData());
            }
        }
        GameState state;
        state.LeftMargin = 120;
        SettingsDialog again(state); // reopening shows the values in force, not the abandoned edits
        QCOMPARE(again.findChild<QLineEdit *>("Text1")->text(), QStringLiteral("120"));
    }

    // ---- Form2, settings ----

    void numberReaderTakesTheLeadingNumberAndRoundsHalfToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored"); // 99999 for a value refused as out of range
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("12abc") << "12abc" << 12;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("-7") << "-7" << -7;
        QTest::newRow("1e2") << "1e2" << 100;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
        QTest::newRow("-2.5") << "-2.5" << -2;
        QTest::newRow("2.6") << "2.6" << 3;
        QTest::newRow(" 42") << " 42" << 42;
        QTest::newRow("+5") << "+5" << 5;
        QTest::newRow("1.5e1") << "1.5e1" << 15;
        QTest::newRow(".5") << ".5" << 0;
        QTest::newRow("7e") << "7e" << 7;
        QTest::newRow("1e+3x") << "1e+3x" << 1000;
        QTest::newRow("- 5") << "- 5" << 0;
        QTest::newRow("full-width 120") << "１２０" << 120;
        QTest::newRow("32767") << "32767" << 32767;
        QTest::newRow("-32768") << "-32768" << -32768;
        QTest::newRow("32767.5") << "32767.5" << 99999;
        QTest::newRow("40000") << "40000" << 99999;
        QTest::newRow("-32769") << "-32769" << 99999;
        QTest::newRow("1e999") << "1e999" << 99999;
        QTest::newRow("-1e999") << "-1e999" << 99999;
        QTest::newRow("1e-400 underflows to 0") << "1e-400" << 0;
        QTest::newRow("full-width 1e-400") << "１ｅ－４００" << 0;
        QTest::newRow("-0.000001e-320") << "-0.000001e-320" << 0;
        QTest::newRow("0.0001e400 overflows") << "0.0001e400" << 99999;
        QTest::newRow("long fraction of zeros") << QString("0." + QString(400, u'0') + "1") << 0;
    }

    void numberReaderTakesTheLeadingNumberAndRoundsHalfToEven()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        const std::optional<Int16> value = RoundToSetting(ReadLeadingNumber(text));
        if (stored == 99999)
            QVERIFY(!value);
        else
            QCOMPARE(int(value.value_or(-1)), stored);
    }

    void settingsDialogLooksAsDesigned()
    {
        GameState state;
        state.LeftMargin = 120;
        state.TopMargin = -15;
        state.BlockSize = 0;
        state.Level = 9;
        SettingsDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ExpectWindow(&dialog, "Form2", QStringLiteral("動作環境設定"), 672, 1296, 5904, 3000);
        ExpectPlaces(&dialog, {{"Command1", 4560, 120, 1092, 492}, {"Command2", 4560, 840, 1092, 492},
                               {"Label1", 240, 120, 1572, 492},    {"Text1", 1920, 120, 2172, 372},
                               {"Label2", 240, 840, 1572, 492},    {"Text2", 1920, 840, 2172, 372},
                               {"Label3", 240, 1560, 1572, 492},   {"Text3", 1920, 1560, 2172, 372},
                               {"Label4", 240, 2280, 1572, 492},   {"Text4", 1920, 2280, 2172, 372}});
        const QStringList captions = {"左マージン(&L&ﾋ)", "上マージン(&T&ｳ)", "ブロックサイズ(&B&ﾌ)", "レベル [1-5] (&V&ﾚ)"};
        const QStringList texts = {"120", "-15", "0", "9"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label%1").arg(i + 1))->text(), captions[i]);
            QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->text(), texts[i]);
        }
        QCOMPARE(FocusName(), QStringLiteral("Command1"));
        QCOMPARE(TabWalk(6), (QStringList{"Command2", "Text1", "Text2", "Text3", "Text4", "Command1"}));
        const std::pair<Qt::Key, const char *> accessKeys[] = {
            {Qt::Key_L, "Text1"}, {Qt::Key_T, "Text2"}, {Qt::Key_B, "Text3"}, {Qt::Key_V, "Text4"}};
        for (const auto &[key, box] : accessKeys) {
            dialog.findChild<QWidget *>("Command1")->setFocus();
            QTest::keyClick(&dialog, key, Qt::AltModifier);
            QCOMPARE(FocusName(), QString::fromLatin1(box));
        }
        const std::pair<QChar, const char *> kanaKeys[] = {
            {u'ﾋ', "Text1"}, {u'ｳ', "Text2"}, {u'ﾌ', "Text3"}, {u'ﾚ', "Text4"}};
        for (const auto &[kana, box] : kanaKeys) {
            dialog.findChild<QWidget *>("Command1")->setFocus();
            PressKana(&dialog, kana, Qt::AltModifier);
            QCOMPARE(FocusName(), QString::fromLatin1(box));
        }
    }

    void settingsDialogOkStoresWhatTheBoxesHold()
    {
        GameState state;
        state.LeftMargin = 1;
        state.TopMargin = 2;
        state.BlockSize = 3;
        state.Level = 4;
        {
            SettingsDialog dialog(state); // unchanged boxes give the same values back
            dialog.show();
            QTest::keyClick(dialog.findChild<QWidget *>("Command1"), Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(state.LeftMargin, Int16{1});
        QCOMPARE(state.Level, Int16{4});

        SettingsDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QStringList typed = {"12abc", "", "2.5e2", "9"};
        for (int i = 0; i < 4; ++i)
            dialog.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->setText(typed[i]);
        QTest::keyClick(dialog.findChild<QLineEdit *>("Text3"), Qt::Key_Return); // Enter in a box is "O K"
        QVERIFY(!dialog.isVisible());
        QCOMPARE(state.LeftMargin, Int16{12});
        QCOMPARE(state.TopMargin, Int16{0});
        QCOMPARE(state.BlockSize, Int16{250});
        QCOMPARE(state.Level, Int16{9}); // stored without complaint
    }

    void settingsDialogRefusesAValueOutsideSixteenBits()
    {
        GameState state;
        state.LeftMargin = 120;
        state.TopMargin = 240;
        state.BlockSize = 600;
        state.Level = 1;
        SettingsDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("300"));
        dialog.findChild<QLineEdit *>("Text3")->setText(QStringLiteral("40000"));
        QString message;
        AnswerNextModal([&](QWidget *modal) {
            message = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QDialog *>(modal)->accept();
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QVERIFY2(message.contains(QStringLiteral("ブロックサイズ")), qPrintable(message));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("Text3"));
        QCOMPARE(state.LeftMargin, Int16{120}); // not even the fields before it
        QCOMPARE(state.TopMargin, Int16{240});
        QCOMPARE(state.BlockSize, Int16{600});
        QCOMPARE(state.Level, Int16{1});
    }

    // ---- Form3, picture chooser ----

    void pictureDialogLooksAsDesignedAndStartsOnTheCurrentDirectory()
    {
        GameFolder folder;
        SavePicture(folder.Path("b.BMP"));
        SavePicture(folder.Path("a.bmp"));
        folder.Write("notes.txt", "x");
        folder.Write("c.bmp.txt", "x");
        QDir(folder.Path(QString())).mkdir("sub");
        GameState state;
        state.PictureFile = "auto.bmp";
        PictureDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ExpectWindow(&dialog, "Form3", QStringLiteral("ＢＭＰファイルの読み込み"), 696, 1308, 7656, 4644);
        ExpectPlaces(&dialog, {{"Command1", 6360, 240, 1092, 492}, {"Command2", 6360, 960, 1092, 492},
                               {"Drive1", 360, 240, 2532, 276},     {"Dir1", 360, 840, 2532, 2676},
                               {"File1", 3240, 240, 2532, 3264},    {"Label1", 360, 3960, 1332, 372},
                               {"Text1", 1920, 3960, 5532, 372}});
        QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), QStringLiteral("ファイル名(&N&ﾅ)"));
        QCOMPARE(dialog.findChild<QLineEdit *>("Text1")->text(), QString());
        QCOMPARE(FocusName(), QStringLiteral("Command1"));
        QCOMPARE(TabWalk(6), (QStringList{"Command2", "Drive1", "Dir1", "File1", "Text1", "Command1"}));
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(FocusName(), QStringLiteral("Text1"));
        dialog.findChild<QWidget *>("Command1")->setFocus();
        PressKana(&dialog, u'ﾅ', Qt::AltModifier);
        QCOMPARE(FocusName(), QStringLiteral("Text1"));

        // The files of the current directory matching *.bmp in any case, names only.
        auto *files = dialog.findChild<QListWidget *>("File1");
        QStringList names;
        for (int i = 0; i < files->count(); ++i)
            names << files->item(i)->text();
        QCOMPARE(names, (QStringList{"a.bmp", "b.BMP"}));
        // The drive list starts on the volume of the current directory; the root's comes first.
        // Only volumes are drives: never the test's own fresh folder, whatever the system says.
        auto *drives = dialog.findChild<QComboBox *>("Drive1");
        QVERIFY(drives->count() >= 1);
        QCOMPARE(drives->itemData(0).toString(), QDir::rootPath());
        const QString current = drives->currentData().toString();
        QVERIFY2(QDir::currentPath().startsWith(current), qPrintable(current));
        for (int i = 0; i < drives->count(); ++i)
            QVERIFY2(drives->itemData(i).toString() != QDir::currentPath(), qPrintable(drives->itemText(i)));
        // The directory list: its parents down from the root, itself, then "sub".
        auto *folders = dialog.findChild<QListWidget *>("Dir1");
        QCOMPARE(folders->item(0)->text(), QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(folders->currentItem()->text().trimmed(), QDir(folder.Path(QString())).dirName());
        QCOMPARE(folders->item(folders->count() - 1)->text().trimmed(), QStringLiteral("sub"));
    }

    void pictureDialogSelectionFillsThePathAndOkStoresIt()
    {
        GameFolder folder;
        SavePicture(folder.Path("a.bmp"));
        SavePicture(folder.Path("b.bmp"));
        const QString before = QDir::currentPath();
        GameState state;
        state.PictureFile = "auto.bmp";
        PictureDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *files = dialog.findChild<QListWidget *>("File1");
        auto *path = dialog.findChild<QLineEdit *>("Text1");
        const QString directory = QDir::toNativeSeparators(QDir::currentPath());

        path->setText(QStringLiteral("typed by hand"));
        const QRect first = files->visualItemRect(files->item(0));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(path->text(), directory + QDir::separator() + "a.bmp"); // replaces what was typed
        files->setFocus();
        QTest::keyClick(files, Qt::Key_Down);
        QCOMPARE(path->text(), directory + QDir::separator() + "b.bmp");
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(dialog.isVisible()); // a double click only selects
        QCOMPARE(path->text(), directory + QDir::separator() + "a.bmp");
        QTest::keyClick(files, Qt::Key_Down);
        QTest::keyClick(files, Qt::Key_Return); // Enter is "O K"
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QString::fromStdString(state.PictureFile), directory + QDir::separator() + "b.bmp");
        QCOMPARE(QDir::currentPath(), before); // browsing never moves the current directory
    }

    // Tabbing through the file list chooses nothing: a path typed by hand stays, and "O K" stores it.
    void pictureDialogTabbingPastTheFilesKeepsATypedPath()
    {
        GameFolder folder;
        SavePicture(folder.Path("a.bmp"));
        SavePicture(folder.Path("b.bmp"));
        GameState state;
        state.PictureFile = "auto.bmp";
        PictureDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *path = dialog.findChild<QLineEdit *>("Text1");
        const QString typed = QDir::toNativeSeparators(folder.Path("elsewhere.bmp"));
        path->setFocus();
        TypeText(path, typed);
        dialog.findChild<QWidget *>("Dir1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("File1"));
        QCOMPARE(path->text(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("Text1"));
        QCOMPARE(path->text(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QString::fromStdString(state.PictureFile), typed);

        // The arrow keys in the list do choose.
        PictureDialog again(state);
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        again.findChild<QWidget *>("Dir1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY2(again.findChild<QLineEdit *>("Text1")->text().endsWith(QStringLiteral(".bmp")),
                 qPrintable(again.findChild<QLineEdit *>("Text1")->text()));
    }

    void pictureDialogJoinsARootWithoutADoubleSeparator()
    {
        GameState state;
        PictureDialog dialog(state);
        QVERIFY(dialog.OpenDirectory(QDir::rootPath()));
        auto *files = dialog.findChild<QListWidget *>("File1");
        if (files->count() == 0) {
            // No picture at the root of this machine: put a stand-in name in the list.
            files->addItem(QStringLiteral("cat.bmp"));
        }
        files->setCurrentRow(0);
        const QString text = dialog.findChild<QLineEdit *>("Text1")->text();
        QCOMPARE(text, QDir::toNativeSeparators(QDir::rootPath()) + files->item(0)->text());
        QVERIFY(!text.contains(QString(2, QDir::separator())));
    }

    void pictureDialogOkWithEmptyPathKeepsThePicture()
    {
        GameFolder folder;
        SavePicture(folder.Path("a.bmp"));
        GameState state;
        state.PictureFile = "auto.bmp";
        PictureDialog dialog(state);
        dialog.show();
        dialog.findChild<QListWidget *>("File1")->setCurrentRow(0);
        dialog.findChild<QLineEdit *>("Text1")->clear();
        QTest::mouseClick(dialog.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(state.PictureFile, std::string("auto.bmp"));

        PictureDialog typed(state); // a bare name is stored as typed
        typed.show();
        typed.findChild<QLineEdit *>("Text1")->setText(QStringLiteral(" my.bmp"));
        QTest::mouseClick(typed.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QCOMPARE(state.PictureFile, std::string(" my.bmp"));

        PictureDialog cancelled(state);
        cancelled.show();
        cancelled.findChild<QListWidget *>("File1")->setCurrentRow(0);
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QVERIFY(!cancelled.isVisible());
        QCOMPARE(state.PictureFile, std::string(" my.bmp"));
    }

    void pictureDialogOpensDirectoriesAndKeepsTheListsWhenOneCannotBeRead()
    {
        GameFolder folder;
        QDir(folder.Path(QString())).mkdir("pics");
        QDir(folder.Path(QString())).mkdir("gone");
        SavePicture(folder.Path("pics/cat.bmp"));
        GameState state;
        PictureDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *folders = dialog.findChild<QListWidget *>("Dir1");
        auto *files = dialog.findChild<QListWidget *>("File1");
        auto *path = dialog.findChild<QLineEdit *>("Text1");
        path->setText(QStringLiteral("kept"));
        auto itemNamed = [folders](const QString &name) {
            for (int i = 0; i < folders->count(); ++i)
                if (folders->item(i)->text().trimmed() == name)
                    return folders->item(i);
            return static_cast<QListWidgetItem *>(nullptr);
        };

        // A single click only highlights; a double click opens.
        QListWidgetItem *pics = itemNamed("pics");
        QVERIFY(pics);
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(pics).center());
        QCOMPARE(files->count(), 0);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(pics).center());
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->item(0)->text(), QStringLiteral("cat.bmp"));
        QCOMPARE(path->text(), QStringLiteral("kept")); // opening a directory does not clear the path

        // Back up one level with Enter on the parent, then a directory that vanished meanwhile.
        folders->setCurrentItem(itemNamed(QDir(folder.Path(QString())).dirName()));
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(files->count(), 0);
        QListWidgetItem *gone = itemNamed("gone");
        QVERIFY(gone);
        QDir(folder.Path(QString())).rmdir("gone");
        const int rows = folders->count();
        QString message;
        AnswerNextModal([&](QWidget *modal) {
            message = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QDialog *>(modal)->accept();
        });
        folders->setCurrentItem(gone);
        QTest::keyClick(folders, Qt::Key_Return);
        QVERIFY2(message.contains(QStringLiteral("gone")), qPrintable(message));
        QCOMPARE(folders->count(), rows); // the lists keep the previous directory
        QVERIFY(itemNamed("pics"));
        QVERIFY(dialog.isVisible());
    }

    void pictureDialogKeepsTheDriveWhenAnotherCannotBeRead()
    {
        GameFolder folder;
        SavePicture(folder.Path("a.bmp"));
        GameState state;
        PictureDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *drives = dialog.findChild<QComboBox *>("Drive1");
        auto *files = dialog.findChild<QListWidget *>("File1");
        const int before = drives->currentIndex();
        QVERIFY(before >= 0); // the current drive is always listed
        // A removable drive whose medium was taken out after the list was made.
        QString message;
        AnswerNextModal([&](QWidget *modal) {
            message = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QDialog *>(modal)->accept();
        });
        drives->addItem(QStringLiteral("gone"), folder.Path("no-such-volume"));
        drives->setCurrentIndex(drives->count() - 1);
        QVERIFY2(message.contains(QStringLiteral("no-such-volume")), qPrintable(message));
        QCOMPARE(drives->currentIndex(), before);
        QCOMPARE(files->count(), 1); // still the files of the previous directory
        QVERIFY(dialog.isVisible());

        // A drive that can be read refills both lists from its root, and keeps the path box.
        QDir(folder.Path(QString())).mkdir("volume");
        SavePicture(folder.Path("volume/b.bmp"));
        SavePicture(folder.Path("volume/c.bmp"));
        dialog.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("kept"));
        drives->addItem(QStringLiteral("volume"), folder.Path("volume"));
        drives->setCurrentIndex(drives->count() - 1);
        auto *folders = dialog.findChild<QListWidget *>("Dir1");
        QCOMPARE(folders->currentItem()->text().trimmed(), QStringLiteral("volume"));
        QCOMPARE(files->count(), 2);
        QCOMPARE(dialog.findChild<QLineEdit *>("Text1")->text(), QStringLiteral("kept"));
    }

    // ---- Form4, best times ----

    void bestTimesWindowShowsTheTableAsStored()
    {
        GameState state;
        for (int slot = 1; slot <= 5; ++slot) {
            state.BestTime[slot] = kEmptyBestTime;
            state.BestName[slot] = kEmptyBestName;
        }
        state.BestTime[2] = 87;
        state.BestName[2] = "";
        state.BestTime[4] = -5;
        state.BestName[4] = "  とても長い名前の人、とても長い名前の人、とても長い名前の人  ";
        BestTimesDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ExpectWindow(&dialog, "Form4", QStringLiteral("ハイスコア"), 732, 1320, 8712, 4692);
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(0, 0, 255));
        const QStringList levels = {"初心", "初級", "中級", "上級", "特級"};
        for (int row = 0; row < 5; ++row) {
            const int top = 240 + 720 * row;
            ExpectPlaces(&dialog, {{qPrintable(QStringLiteral("Label%1").arg(row + 1)), 120, top, 735, 495},
                                   {qPrintable(QStringLiteral("Label%1").arg(row + 6)), 1080, top, 2055, 495},
                                   {qPrintable(QStringLiteral("Label%1").arg(row + 11)), 3360, top, 5175, 495}});
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label%1").arg(row + 1))->text(), levels[row]);
            auto *time = dialog.findChild<QLabel *>(QStringLiteral("Label%1").arg(row + 6));
            QCOMPARE(time->palette().color(QPalette::Window), QColor(0, 0, 255));
            QCOMPARE(time->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        }
        ExpectPlaces(&dialog, {{"Command1", 3600, 3960, 1092, 492}});
        QCOMPARE(dialog.findChild<QLabel *>("Label6")->text(), QStringLiteral("29999  秒"));
        QCOMPARE(dialog.findChild<QLabel *>("Label7")->text(), QStringLiteral("87  秒"));
        QCOMPARE(dialog.findChild<QLabel *>("Label9")->text(), QStringLiteral("-5  秒"));
        QCOMPARE(dialog.findChild<QLabel *>("Label11")->text(), QStringLiteral("？？？？？？？？"));
        QCOMPARE(dialog.findChild<QLabel *>("Label12")->text(), QString());
        QCOMPARE(dialog.findChild<QLabel *>("Label14")->text().toStdString(), state.BestName[4]);
        QCOMPARE(dialog.findChild<QPushButton *>("Command1")->text(), QStringLiteral("戻る"));
        QCOMPARE(FocusName(), QStringLiteral("Command1"));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible()); // Esc does nothing here
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());

        BestTimesDialog closing(state);
        closing.show();
        closing.close(); // the close box closes it
        QVERIFY(!closing.isVisible());
    }

    // ---- Form5, clear best times ----

    void clearDialogLooksAsDesignedAndEnterClears()
    {
        GameState state;
        for (int slot = 1; slot <= 5; ++slot) {
            state.BestTime[slot] = static_cast<Int16>(slot);
            state.BestName[slot] = "name";
        }
        ClearBestTimesDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ExpectWindow(&dialog, "Form5", QStringLiteral("ハイスコアのクリア"), 720, 1320, 4248, 1668);
        ExpectPlaces(&dialog, {{"Label1", 360, 240, 3615, 495},
                               {"Command1", 600, 960, 1212, 492},
                               {"Command2", 2400, 960, 1212, 492}});
        QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), QStringLiteral("よろしいですか？"));
        QCOMPARE(FocusName(), QStringLiteral("Command1"));
        QCOMPARE(TabWalk(2), (QStringList{"Command2", "Command1"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        for (int slot = 1; slot <= 5; ++slot) {
            QCOMPARE(state.BestTime[slot], Int16{29999});
            QCOMPARE(state.BestName[slot], std::string("？？？？？？？？"));
        }
    }

    // ---- Form6, best-time entry ----

    void bestTimeEntryLooksAsDesigned()
    {
        GameState state = FinishedGame(4, 87);
        BestTimeEntryDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ExpectWindow(&dialog, "Form6", QStringLiteral("ハイスコアの記録"), 732, 1308, 6552, 2640);
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(192, 192, 192));
        ExpectPlaces(&dialog, {{"Label1", 240, 240, 6012, 372},
                               {"Label2", 240, 1200, 852, 372},
                               {"Text1", 1320, 1200, 4932, 372},
                               {"Command1", 2280, 1920, 1092, 492},
                               {"Command2", 3720, 1920, 1092, 492}});
        QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), QStringLiteral("初級コース      87  秒"));
        QCOMPARE(dialog.findChild<QLabel *>("Label2")->text(), QStringLiteral("名前(&N&ﾅ)"));
        QCOMPARE(dialog.findChild<QPushButton *>("Command1")->text(), QStringLiteral("O K"));
        QCOMPARE(dialog.findChild<QPushButton *>("Command2")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        QVERIFY(dialog.findChild<QPushButton *>("Command1")->isDefault());
        QCOMPARE(dialog.findChild<QLineEdit *>("Text1")->text(), QString());

        QCOMPARE(FocusName(), QStringLiteral("Text1"));
        QCOMPARE(TabWalk(3), (QStringList{"Command1", "Command2", "Text1"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier); // the access key of 名前
        QCOMPARE(FocusName(), QStringLiteral("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        PressKana(&dialog, u'ﾅ', Qt::AltModifier); // and its kana key
        QCOMPARE(FocusName(), QStringLiteral("Text1"));
    }

    // A name is drawn as typed: markup in it is text, not formatting.
    void namesAreShownAsTypedNotAsMarkup()
    {
        GameState state;
        const char *names[] = {"<b>Bold</b>", "<i>x</i> &amp; y", "A&B", "<img src=x>", "ﾀﾛｳ"};
        for (int slot = 1; slot <= 5; ++slot) {
            state.BestTime[slot] = Int16(10 * slot);
            state.BestName[slot] = names[slot - 1];
        }
        BestTimesDialog dialog(state);
        for (int slot = 1; slot <= 5; ++slot) {
            auto *label = dialog.findChild<QLabel *>(QStringLiteral("Label%1").arg(slot + 10));
            const QString name = QString::fromUtf8(names[slot - 1]);
            QCOMPARE(label->text(), name);
            // Drawn as markup, "<b>Bold</b>" would take the room of a bold "Bold" only.
            const int written = label->fontMetrics().horizontalAdvance(name);
            QVERIFY2(label->sizeHint().width() >= written, qPrintable(name));
        }
    }

    void bestTimeEntryCourseTextForEveryBoardSize()
    {
        const char *expected[] = {"初心コース      5  秒", "初級コース      5  秒", "中級コース      5  秒",
                                  "上級コース      5  秒", "特級コース      5  秒"};
        for (int n = 3; n <= 7; ++n) {
            GameState state = FinishedGame(n, 5);
            BestTimeEntryDialog dialog(state);
            QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), QString::fromUtf8(expected[n - 3]));
        }
        GameState odd = FinishedGame(0, 5);
        BestTimeEntryDialog dialog(odd);
        QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), QString());
    }

    void bestTimeEntryOkStoresTheNameAsTypedInItsOwnSlot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << QStringLiteral("山田 太郎");
        QTest::newRow("blanks kept") << QStringLiteral("  ﾀﾛｳ  ");
        QTest::newRow("empty") << QString();
    }

    void bestTimeEntryOkStoresTheNameAsTypedInItsOwnSlot()
    {
        QFETCH(QString, name);
        GameState state = FinishedGame(6, 87);
        BestTimeEntryDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        TypeText(dialog.findChild<QLineEdit *>("Text1"), name);
        QTest::keyClick(dialog.findChild<QLineEdit *>("Text1"), Qt::Key_Return); // Enter is "O K"
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QString::fromStdString(state.BestName[4]), name);
        QCOMPARE(state.BestTime[4], Int16{87});
        for (int slot : {1, 2, 3, 5}) {
            QCOMPARE(state.BestTime[slot], Int16(100 + slot));
            QCOMPARE(state.BestName[slot], "old " + std::to_string(slot));
        }
    }

    void bestTimeEntryRefusesNamesTheFileCannotCarry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("double quote") << QStringLiteral("a\"b") << QStringLiteral("ダブルクォート");
        QTest::newRow("outside code page 932") << QStringLiteral("名前😀") << QStringLiteral("シフトJIS");
    }

    void bestTimeEntryRefusesNamesTheFileCannotCarry()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        GameState state = FinishedGame(5, 30);
        BestTimeEntryDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *box = dialog.findChild<QLineEdit *>("Text1");
        TypeText(box, name);
        QString message;
        AnswerNextModal([&](QWidget *modal) {
            message = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QDialog *>(modal)->accept();
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(dialog.isVisible());
        QCOMPARE(state.BestTime[3], Int16{103});
        QCOMPARE(state.BestName[3], std::string("old 3"));

        // Mended, the name goes through.
        box->setText(QStringLiteral("名前"));
        QTest::mouseClick(dialog.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QCOMPARE(state.BestName[3], std::string("名前"));
        QCOMPARE(state.BestTime[3], Int16{30});
    }
};

} // namespace surabe

QTEST_MAIN(surabe::DialogsTest)
#include "dialogs_test.moc"
