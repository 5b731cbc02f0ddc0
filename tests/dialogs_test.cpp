// The modal dialogs, each tested as an object: geometry, captions, keys, focus, and what "O K" stores.
#include "BestTimeEntryDialog.h"
#include "QtTestSupport.h"
#include "Text.h"
#include "Twips.h"

#include <QLabel>
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

void ExpectClientArea(QWidget *dialog, int left, int top, int width, int height)
{
    QCOMPARE(dialog->geometry(), TwipsRectToPixels(left, top, width, height));
}

// Walks the focus chain with Tab from the control that has the focus.
QStringList TabWalk(QWidget *dialog, int steps)
{
    QStringList names;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    Q_UNUSED(dialog);
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
    void bestTimeEntryLooksAsDesigned()
    {
        GameState state = FinishedGame(4, 87);
        BestTimeEntryDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.objectName(), QStringLiteral("Form6"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ハイスコアの記録"));
        ExpectClientArea(&dialog, 732, 1308, 6552, 2640);
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
        QCOMPARE(TabWalk(&dialog, 3), (QStringList{"Command1", "Command2", "Text1"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier); // the access key of 名前
        QCOMPARE(FocusName(), QStringLiteral("Text1"));
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

    void bestTimeEntryCancelEscAndCloseBoxStoreNothing()
    {
        const std::function<void(BestTimeEntryDialog &)> ways[] = {
            [](BestTimeEntryDialog &d) { QTest::mouseClick(d.findChild<QPushButton *>("Command2"), Qt::LeftButton); },
            [](BestTimeEntryDialog &d) { QTest::keyClick(d.findChild<QLineEdit *>("Text1"), Qt::Key_Escape); },
            [](BestTimeEntryDialog &d) { d.close(); },
        };
        for (const auto &close : ways) {
            GameState state = FinishedGame(3, 50);
            const GameState before = state;
            BestTimeEntryDialog dialog(state);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            TypeText(dialog.findChild<QLineEdit *>("Text1"), QStringLiteral("誰か"));
            close(dialog);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(state.BestTime, before.BestTime);
            QCOMPARE(state.BestName, before.BestName);
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
