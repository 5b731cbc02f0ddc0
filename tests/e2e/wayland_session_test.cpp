// The game as a native Wayland client: its window, every dialog from the menus, a game, and the
// exit that saves, with no warning from Qt. Run by wayland_start.sh inside a headless compositor.
#include "FakeScreen.h"
#include "MainWindow.h"
#include "QtTestSupport.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QSignalSpy>

namespace surabe {

using namespace testsupport;

class WaylandSessionTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Any warning, from Qt's Wayland plugin or from the game, fails the test.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void opensEveryDialogPlaysAndLeavesThroughTheMenu()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        GameFolder folder;
        SavePicture(folder.Path(QStringLiteral("auto.bmp")));
        GameState state;
        fakes::ScriptedRandom random({}, 1.0f); // the shuffle leaves the board solved
        MainWindow window(state, &random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto choose = [&window](const char *item) {
            window.findChild<QAction *>(QString::fromLatin1(item))->trigger();
        };

        // Each dialog shows as a Wayland window of its own, then is closed as a player would.
        const QList<QPair<const char *, const char *>> dialogs{
            {"SETTEI", "Form2"}, {"FSET", "Form3"}, {"HISCO", "Form4"}, {"HISCLR", "Form5"}};
        for (const auto &[item, form] : dialogs) {
            QString shown;
            bool exposed = false;
            AnswerNextModal([&](QWidget *dialog) {
                shown = dialog->objectName();
                exposed = QTest::qWaitForWindowExposed(dialog);
                qobject_cast<QDialog *>(dialog)->reject();
            });
            choose(item);
            QCOMPARE(shown, QString::fromLatin1(form));
            QVERIFY(exposed);
        }

        // A game: a move away and back solves it at once, and the record asks for a name (Form6).
        choose("GAMES");
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("Image1"))->isVisible());
        QString entry;
        AnswerNextModal([&](QWidget *dialog) {
            entry = dialog->objectName();
            qobject_cast<QDialog *>(dialog)->accept();
        });
        const int n = state.BoardSize;
        for (int cell : {n * n - 1, n * n}) {
            QWidget *box = FindIndexed(&window, "Picture1", state.Board[cell]);
            QWidget *image = FindIndexed(&window, "Image2", state.Board[cell]);
            const QPoint middle = image->mapFrom(box, box->rect().center());
            QTest::mousePress(image, Qt::LeftButton, {}, middle);
            QTest::mouseRelease(image, Qt::LeftButton, {}, middle);
        }
        QTRY_COMPARE(entry, QStringLiteral("Form6"));

        QSignalSpy ended(&window, &MainWindow::exitChosen);
        choose("GAMEE");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(folder.Read(QStringLiteral("Surabeset.dat")).count("\r\n"), 14);
    }
};

} // namespace surabe

QTEST_MAIN(surabe::WaylandSessionTest)
#include "wayland_session_test.moc"
