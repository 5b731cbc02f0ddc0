// The main window on screen: start-up, board layout and pictures, a game played with the mouse, clock, exit.
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "FakeScreen.h"
#include "MainWindow.h"
#include "QtTestSupport.h"
#include "SettingsFile.h"
#include "Text.h"
#include "Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstring>
#include <deque>

namespace surabe {

using fakes::ScriptedRandom;
using namespace testsupport;

namespace {

// A settings file as the game writes it, with the given board settings and best times.
QByteArray SettingsBytes(int level, int block, int left, int top, int bestTime = 29999)
{
    GameState state;
    for (int slot = 1; slot <= 5; ++slot) {
        state.BestTime[slot] = static_cast<Int16>(bestTime);
        state.BestName[slot] = "名無し";
    }
    state.Level = static_cast<Int16>(level);
    state.BlockSize = static_cast<Int16>(block);
    state.LeftMargin = static_cast<Int16>(left);
    state.TopMargin = static_cast<Int16>(top);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.dat"));
    SaveSettings(state, path);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A window on a game folder holding a picture and a settings file.
struct Game {
    GameFolder folder;
    GameState state;
    ScriptedRandom random;
    std::unique_ptr<MainWindow> window;

    explicit Game(const QByteArray &settings, ScriptedRandom draws = ScriptedRandom({}, 1.0f),
                  bool withPicture = true)
        : random(std::move(draws))
    {
        if (withPicture)
            SavePicture(folder.Path(QStringLiteral("auto.bmp")));
        if (!settings.isNull())
            folder.Write(QStringLiteral("Surabeset.dat"), settings);
        window = std::make_unique<MainWindow>(state, &random);
        window->show();
    }

    QWidget *Client() const { return window->centralWidget(); }
    QWidget *Box(int tile) const { return FindIndexed(window.get(), "Picture1", tile); }
    QWidget *Image(int tile) const { return FindIndexed(window.get(), "Image2", tile); }
    QWidget *Preview() const { return window->findChild<QWidget *>(QStringLiteral("Image1")); }
    QLabel *Clock() const { return window->findChild<QLabel *>(QStringLiteral("Label1")); }
    QTimer *Timer() const { return window->findChild<QTimer *>(QStringLiteral("Timer1")); }
    void Choose(const char *item) const { window->findChild<QAction *>(QString::fromLatin1(item))->trigger(); }

    int VisibleBoxes() const
    {
        int visible = 0;
        for (int tile = 0; tile < kTileBoxCount; ++tile)
            visible += Box(tile)->isVisible();
        return visible;
    }

    // Presses and releases the mouse where a player would: on the middle of the tile in the cell.
    void ClickCell(int cell, Qt::MouseButton button = Qt::LeftButton) const
    {
        const QPoint centre = Box(state.Board[cell])->geometry().center();
        QWidget *target = Client()->childAt(centre);
        QVERIFY2(target && target->objectName() == QLatin1String("Image2"), qPrintable(QString::number(cell)));
        QCOMPARE(target->property("index").toInt(), state.Board[cell]);
        const QPoint local = target->mapFrom(Client(), centre);
        QTest::mousePress(target, button, {}, local);
        QTest::mouseRelease(target, button, {}, local);
    }
};

QStringList FileLines(const QByteArray &bytes)
{
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsIdleWithTheDesignedWindow()
    {
        Game game(SettingsBytes(2, 600, 120, 120));
        QCOMPARE(game.window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(game.window->windowTitle(), QStringLiteral("Surabe    For Windows"));
        QCOMPARE(game.Client()->size(), QSize(760, 519));
        QCOMPARE(game.Client()->mapToGlobal(QPoint(0, 0)), QPoint(23, 61));
        QCOMPARE(game.Client()->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(!game.window->windowIcon().isNull());
        QCOMPARE(game.VisibleBoxes(), 0);
        QVERIFY(!game.Preview()->isVisible());
        QVERIFY(!game.Clock()->isVisible());
        QVERIFY(!game.Timer()->isActive());
        QCOMPARE(game.Timer()->interval(), 1000);
        QCOMPARE(game.state.PictureFile, std::string("auto.bmp"));
        QCOMPARE(game.state.Level, Int16{2});
        QCOMPARE(game.state.BoardSize, Int16{0});
        for (int tile = 0; tile < kTileBoxCount; ++tile)
            QVERIFY(game.Image(tile) && game.Image(tile)->parentWidget() == game.Box(tile));
    }

    void menusCarryTheirCaptionsAndAccessKeys()
    {
        Game game(SettingsBytes(1, 600, 120, 120));
        const std::pair<const char *, const char *> items[] = {
            {"GAMES", "ゲーム開始(&S&ｽ)"}, {"HISCO", "ハイスコア(&H&ﾊ)"}, {"HISCLR", "ハイスコアのクリア(&C&ｸ)"},
            {"GAMEE", "終了(&E&ｴ)"},       {"SETTEI", "設定(&S&ｾ)"},       {"FSET", "ファイル(&F&ﾌ)"},
        };
        for (const auto &[name, caption] : items) {
            auto *action = game.window->findChild<QAction *>(QString::fromLatin1(name));
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString::fromUtf8(caption));
        }
        auto *gameMenu = game.window->findChild<QMenu *>(QStringLiteral("GAMEP"));
        QCOMPARE(gameMenu->title(), QStringLiteral("ゲーム(&G&ｹ)"));
        const QList<QAction *> bar = game.window->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->menu(), gameMenu);
        QCOMPARE(bar[1]->objectName(), QStringLiteral("SETTEI"));
        QCOMPARE(bar[2]->objectName(), QStringLiteral("FSET"));
        QVERIFY(!bar[1]->menu() && !bar[2]->menu());

        // Alt+G opens the game menu; S in it starts a game.
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        QTest::keyClick(game.window.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(gameMenu->isVisible());
        QTest::keyClick(gameMenu, Qt::Key_S);
        QTRY_VERIFY(game.Timer()->isActive());
        QCOMPARE(game.VisibleBoxes(), 8);

        // The kana keys do the same: Alt+ｹ, then ｽ starts the game anew.
        game.state.ElapsedSec = 50;
        PressKana(game.window.get(), u'ｹ', Qt::AltModifier);
        QTRY_VERIFY(gameMenu->isVisible());
        PressKana(gameMenu, u'ｽ');
        QTRY_COMPARE(game.state.ElapsedSec, Int16{0});
        QVERIFY(!gameMenu->isVisible());
        const std::pair<QChar, const char *> commands[] = {{u'ｾ', "Form2"}, {u'ﾌ', "Form3"}};
        for (const auto &[kana, form] : commands) {
            QString opened;
            AnswerNextModal([&](QWidget *modal) {
                opened = modal->objectName();
                qobject_cast<QDialog *>(modal)->reject();
            });
            game.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
            PressKana(game.window.get(), kana, Qt::AltModifier);
            QTRY_COMPARE(opened, QString::fromLatin1(form));
        }
    }

    // Twips to pixels, also left of and above the origin, where a tile image starts.
    // A message box that no test answers fails its test at once instead of holding it.
    void anUnexpectedModalWindowFailsTheTestAtOnce()
    {
        QElapsedTimer clock;
        clock.start();
        QEXPECT_FAIL("", "the unanswered window is itself the failure", Continue);
        QMessageBox::warning(nullptr, QStringLiteral("unexpected"), QStringLiteral("nobody answers this"));
        QVERIFY(clock.elapsed() < 10000);
    }

    void twipsBecomeTheNearestPixel_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        const QList<QPair<int, int>> cases{{0, 0},       {7, 0},       {8, 1},       {15, 1},     {22, 1},
                                           {23, 2},      {600, 40},    {613, 41},    {-1, 0},     {-7, 0},
                                           {-8, -1},     {-15, -1},    {-22, -1},    {-23, -2},   {-600, -40},
                                           {-613, -41},  {-4291, -286}, {32767, 2184}, {-32768, -2185}};
        for (const auto &[twips, pixels] : cases)
            QTest::newRow(QByteArray::number(twips)) << twips << pixels;
    }

    void twipsBecomeTheNearestPixel()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips), pixels);
    }

    // Cells on the pixel grid all have one size; a corner past the 16-bit range stops at its end.
    void boardGridCellsAreEqualSquares()
    {
        const PixelGrid grid(97, -613, 613);
        QCOMPARE(grid.Origin(), QPoint(6, -41));
        QCOMPARE(grid.Side(), 41);
        QCOMPARE(grid.Span(7), QSize(287, 287));
        QCOMPARE(grid.CellCorner(0, 0), QPoint(6, -41));
        QCOMPARE(grid.CellCorner(6, 2), QPoint(6 + 6 * 41, -41 + 2 * 41));
        const PixelGrid far(32000, -32000, 4000);
        QCOMPARE(far.CellCorner(6, 0), QPoint(TwipsToPixels(32767), TwipsToPixels(-32000)));
        QCOMPARE(PixelGrid(120, 120, -600).Side(), 0); // no board for a negative block
    }

    void layoutOfTheWorkedExampleControlByControl()
    {
        Game game(SettingsBytes(1, 600, 120, 120)); // every draw is lost: the board stays solved
        game.Choose("GAMES");
        // 600 twips = 40 pixels, 120 = 8, 1800 = 120.
        for (int cell = 1; cell <= 9; ++cell) {
            const int column = (cell - 1) % 3, row = (cell - 1) / 3;
            QCOMPARE(game.Box(game.state.Board[cell])->geometry(), QRect(8 + 40 * column, 8 + 40 * row, 40, 40));
        }
        QCOMPARE(game.Image(0)->geometry(), QRect(0, 0, 120, 120));
        QCOMPARE(game.Image(4)->geometry(), QRect(-40, -40, 120, 120));
        QCOMPARE(game.Image(8)->geometry(), QRect(-80, -80, 120, 120));
        QCOMPARE(game.Preview()->geometry(), QRect(158, 8, 120, 120)); // 2370 twips
        QCOMPARE(game.Clock()->geometry(), QRect(208, 148, 281, 33));  // 3120, 2220; 4215 × 495
        for (int tile = 9; tile < kTileBoxCount; ++tile)
            QCOMPARE(game.Box(tile)->pos(), QPoint(168, 8)); // parked at 2520, 120
        for (int tile = 0; tile < 9; ++tile)
            QCOMPARE(game.state.TilePos[tile], Int16(tile + 1));
        QCOMPARE(game.VisibleBoxes(), 8);
        QVERIFY(!game.Box(8)->isVisible());
        QVERIFY(game.Preview()->isVisible());
        QVERIFY(game.Clock()->isVisible());
    }

    void solvedBoardShowsThePreviewPixelForPixel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("margin");
        for (int level = 1; level <= 5; ++level) {
            for (int block : {600, 613, 700, 1200}) {
                const QByteArray name = QByteArray::number(level + 2) + "x" + QByteArray::number(level + 2) + " B=" +
                                        QByteArray::number(block);
                QTest::newRow(name.constData()) << level << block << 120;
            }
        }
        QTest::newRow("4x4 B=613 margin 97") << 2 << 613 << 97;
        QTest::newRow("5x5 B=613 margin 97") << 3 << 613 << 97;
        QTest::newRow("7x7 B=700 margin 600") << 5 << 700 << 600;
    }

    // Run at display scales 1, 1.25, 1.5, 1.75, 2 and 2.5 (QT_SCALE_FACTOR): no line inside the
    // board differs from the preview. Only where the scale puts an outer edge of the board or of
    // the preview inside a device pixel may that edge's one-pixel band differ: that pixel is
    // shared with what lies beyond the edge.
    void solvedBoardShowsThePreviewPixelForPixel()
    {
        QFETCH(int, level);
        QFETCH(int, block);
        QFETCH(int, margin);
        Game game(SettingsBytes(level, block, margin, margin, 0));
        game.Choose("GAMES");
        const int n = level + 2;
        // A board larger than the window is cut off at its edge; here the window grows to show it all.
        const QRect board(game.Box(0)->pos(), game.Preview()->size());
        const QRect preview = game.Preview()->geometry();
        const QRect both = board | preview;
        if (!game.Client()->rect().contains(both)) {
            game.window->setMinimumSize(0, 0);
            game.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            game.window->resize(both.right() + 20, both.bottom() + 20 + game.window->menuBar()->height());
            QTRY_VERIFY(game.Client()->rect().contains(both));
        }
        // The board starts solved; a move away and back ends the game and shows the last tile.
        game.ClickCell(n * n - 1);
        game.ClickCell(n * n);
        QVERIFY(!game.Timer()->isActive());
        QCOMPARE(game.VisibleBoxes(), n * n);

        const QImage shot = game.Client()->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const qreal expectedScale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                        : 1.0;
        QVERIFY2(qAbs(scale - expectedScale) < 1e-3, qPrintable(QString::number(scale))); // the run really paints at that scale
        auto edge = [scale](int logical) { return qRound(logical * scale); };
        auto inside = [scale](int logical) { return !qFuzzyIsNull(logical * scale - std::round(logical * scale)); };
        auto device = [&edge](const QRect &r) {
            return QRect(QPoint(edge(r.left()), edge(r.top())), QPoint(edge(r.left() + r.width()) - 1,
                                                                       edge(r.top() + r.height()) - 1));
        };
        const QRect boardPixels = device(board);
        const QRect previewPixels = device(preview);
        QVERIFY(qAbs(boardPixels.width() - previewPixels.width()) <= 1);
        // The band of each edge that falls inside a pixel, on the board or on the preview.
        const QMargins band(inside(board.left()) || inside(preview.left()), inside(board.top()) || inside(preview.top()),
                            inside(board.left() + board.width()) || inside(preview.left() + preview.width()),
                            inside(board.top() + board.height()) || inside(preview.top() + preview.height()));
        const QSize common = boardPixels.size().boundedTo(previewPixels.size());
        const QRect compared = QRect(QPoint(0, 0), common).marginsRemoved(band);
        const QImage boardImage = shot.copy(boardPixels).copy(compared);
        const QImage previewImage = shot.copy(previewPixels).copy(compared);
        for (int y = 0; y < compared.height(); ++y)
            QVERIFY2(memcmp(boardImage.constScanLine(y), previewImage.constScanLine(y), size_t(compared.width()) * 4) == 0,
                     qPrintable(QStringLiteral("row %1 of the board differs from the preview").arg(y + compared.top())));
        // And the preview really holds the picture, not an empty area.
        QVERIFY(previewImage.pixel(0, 0) != previewImage.pixel(previewImage.width() / 2, previewImage.height() / 2));
    }

    // Moved to a screen of another scale during a game, the board is made again for that scale:
    // the preview shows the whole picture at the new density, and the board still matches it.
    void theBoardFollowsTheWindowToAScreenOfAnotherScale()
    {
        QScreen *dense = nullptr;
        for (QScreen *screen : QGuiApplication::screens())
            if (screen->devicePixelRatio() == 2.0)
                dense = screen;
        if (!dense || QGuiApplication::screens().size() < 2)
            QSKIP("needs a screen of scale 2 beside one of scale 1 (the two-screen offscreen configuration)");
        Game game(SettingsBytes(2, 700, 120, 120, 0));
        QCOMPARE(game.window->devicePixelRatioF(), 1.0);
        game.Choose("GAMES");
        game.ClickCell(15);
        game.ClickCell(16);
        QVERIFY(!game.Timer()->isActive());

        // Some versions of the offscreen platform follow the move; others need to be told.
        game.window->move(dense->geometry().topLeft() + QPoint(20, 20));
        if (game.window->screen() != dense)
            game.window->windowHandle()->setScreen(dense);
        // Qt 6.8's offscreen platform keeps its windows at scale 1 whatever their screen says.
        if (!QTest::qWaitFor([&] { return game.window->screen() == dense && game.window->devicePixelRatioF() == 2.0; },
                             1000))
            QSKIP("this Qt's offscreen platform does not give a window the scale of its screen");
        const QSize size = game.Preview()->size();
        const QImage expected =
            ScaleToBoard(NoisyPicture(), size, 2.0).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage preview = game.Preview()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(preview.size(), size * 2);
        QVERIFY(preview == expected);
        const QImage shot = game.Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect board(game.Box(0)->pos() * 2, size * 2);
        QVERIFY(shot.copy(board) == expected);
    }

    // Whatever the block size and margins, a tile's image covers its whole box in every cell the
    // tile can stand in, and shows there exactly the preview's piece of that tile.
    void everyTileShowsItsOwnPieceInEveryCell_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("margin");
        for (int level = 1; level <= 5; ++level)
            for (int block : {600, 613, 700, 1200})
                for (int margin : {97, 120, 600})
                    QTest::newRow(QByteArray::number(level + 2) + "x" + QByteArray::number(level + 2) + " B=" +
                                  QByteArray::number(block) + " margins " + QByteArray::number(margin))
                        << level << block << margin;
    }

    void everyTileShowsItsOwnPieceInEveryCell()
    {
        QFETCH(int, level);
        QFETCH(int, block);
        QFETCH(int, margin);
        const int n = level + 2;
        std::deque<float> draws;
        quint32 seed = 12345;
        for (int i = 0; i < 250 * n * n; ++i)
            draws.push_back(float((seed = seed * 1664525u + 1013904223u) >> 8) / float(1 << 24));
        Game game(SettingsBytes(level, block, margin, margin), ScriptedRandom(draws));
        game.Choose("GAMES");
        int shuffled = 0;
        for (int cell = 1; cell <= n * n; ++cell)
            shuffled += game.state.Board[cell] != cell - 1;
        QVERIFY(shuffled > n * n / 2);

        auto pixels = [](QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); };
        const QImage preview = pixels(game.Preview());
        const int side = game.Box(0)->width();
        QCOMPARE(preview.size(), QSize(n * side, n * side));
        auto piece = [&](int tile) { return preview.copy(tile % n * side, tile / n * side, side, side); };
        // On the shuffled board, as the player sees it.
        for (int tile = 0; tile < n * n - 1; ++tile) {
            const QImage shown = pixels(game.Box(tile));
            QVERIFY2(shown == piece(tile), qPrintable(QStringLiteral("tile %1 in cell %2").arg(tile).arg(game.state.TilePos[tile])));
        }
        // And in every other cell: the same box, the same piece, the image over all of it.
        const int tile = n + 1; // second column, second row: its piece is inside the picture
        for (int cell = 1; cell <= n * n; ++cell) {
            game.window->PlaceTileBox(tile, cell);
            QWidget *box = game.Box(tile);
            QCOMPARE(box->size(), QSize(side, side));
            QVERIFY(game.Image(tile)->geometry().contains(box->rect()));
            QVERIFY2(pixels(box) == piece(tile), qPrintable(QStringLiteral("cell %1").arg(cell)));
        }
    }

    void playsAWholeGameWithTheMouseAndRecordsTheTime()
    {
        // The walk takes the blank 9 → 8 → 7 → 4 and then right until the edge: 5, 6.
        Game game(SettingsBytes(1, 600, 120, 120), ScriptedRandom({0.26f, 0.26f, 0.51f}, 0.0f));
        game.Choose("GAMES");
        QCOMPARE(game.state.BlankPos, Int16{6});
        game.Timer()->setInterval(5); // a quick clock; the ticks are the same
        QTRY_VERIFY(game.state.ElapsedSec >= 3);
        QCOMPARE(game.Clock()->text(), QString::fromStdString(ClockText(game.state.ElapsedSec)));

        game.ClickCell(5);
        game.ClickCell(4, Qt::RightButton); // any button slides a tile
        game.ClickCell(6);                  // two cells away from the blank: nothing moves
        QCOMPARE(game.state.BlankPos, Int16{4});
        game.ClickCell(7);
        game.ClickCell(8);
        QString shownCourse;
        AnswerNextModal([&](QWidget *dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form6"));
            shownCourse = dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text();
            TypeText(dialog->findChild<QLineEdit *>(QStringLiteral("Text1")), QStringLiteral(" 太郎 "));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        game.ClickCell(9);

        QVERIFY(!game.Timer()->isActive());
        QVERIFY(game.Box(8)->isVisible());
        QCOMPARE(game.state.BlankPos, Int16{9});
        const Int16 finalTime = game.state.ElapsedSec;
        QCOMPARE(shownCourse, QString::fromStdString(CourseText(3, finalTime)));
        QCOMPARE(game.state.BestName[1], std::string(" 太郎 "));
        QCOMPARE(game.state.BestTime[1], finalTime);
        QCOMPARE(game.state.BestTime[2], Int16{29999});
        QCOMPARE(game.Clock()->text(), QString::fromStdString(ClockText(finalTime)));
        QTest::qWait(30);
        QCOMPARE(game.state.ElapsedSec, finalTime); // the clock has stopped
        const auto board = game.state.Board;
        game.ClickCell(8); // the game is over: tiles no longer move
        QCOMPARE(game.state.Board, board);
    }

    void clockKeepsCountingWhileAMenuDialogIsOpen_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("high scores") << "HISCO" << "Form4";
        QTest::newRow("clear high scores") << "HISCLR" << "Form5";
        QTest::newRow("settings") << "SETTEI" << "Form2";
        QTest::newRow("picture file") << "FSET" << "Form3";
    }

    void clockKeepsCountingWhileAMenuDialogIsOpen()
    {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        Game game(SettingsBytes(1, 600, 120, 120), ScriptedRandom({}, 0.4f));
        game.Choose("GAMES");
        game.Timer()->setInterval(5);
        Int16 atOpening = -1, whileOpen = -1;
        QString shown;
        AnswerNextModal([&](QWidget *modal) {
            shown = modal->objectName();
            atOpening = game.state.ElapsedSec;
            QTRY_VERIFY(game.state.ElapsedSec >= atOpening + 3);
            whileOpen = game.state.ElapsedSec;
            qobject_cast<QDialog *>(modal)->reject();
        });
        game.Choose(item.toLatin1().constData());
        QCOMPARE(shown, dialog);
        QVERIFY(whileOpen >= atOpening + 3);
        QVERIFY(game.Timer()->isActive()); // the game goes on after the dialog
        QCOMPARE(game.Clock()->text(), QString::fromStdString(ClockText(game.state.ElapsedSec)));
    }

    void newSettingsTakeEffectAtTheNextGame()
    {
        Game game(SettingsBytes(1, 600, 120, 120), ScriptedRandom({}, 0.4f));
        game.Choose("GAMES");
        QCOMPARE(game.VisibleBoxes(), 8);
        AnswerNextModal([](QWidget *modal) {
            const QStringList values = {"300", "150", "450", "3"};
            for (int i = 0; i < 4; ++i)
                modal->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->setText(values[i]);
            QTest::keyClick(modal->findChild<QLineEdit *>(QStringLiteral("Text4")), Qt::Key_Return);
        });
        game.Choose("SETTEI");
        QCOMPARE(game.state.Level, Int16{3});
        QCOMPARE(game.VisibleBoxes(), 8); // the running game keeps its board
        QCOMPARE(game.state.BoardSize, Int16{3});

        game.Choose("GAMES");
        QCOMPARE(game.state.BoardSize, Int16{5});
        QCOMPARE(game.VisibleBoxes(), 24);
        // 450 twips = 30 pixels, 300 = 20, 150 = 10.
        const int cell = game.state.TilePos[0];
        QCOMPARE(game.Box(0)->geometry(),
                 QRect(20 + 30 * ((cell - 1) % 5), 10 + 30 * ((cell - 1) / 5), 30, 30));
        QCOMPARE(game.Preview()->geometry(), TwipsRectToPixels(300 + 5 * 450 + 337, 150, 5 * 450, 5 * 450));
    }

    void aMoveAfterNewMarginsPlacesOnlyTheTwoMovedBoxesByThem()
    {
        // Blank ends in cell 6 (see the whole game above).
        Game game(SettingsBytes(1, 600, 120, 120), ScriptedRandom({0.26f, 0.26f, 0.51f}, 0.0f));
        game.Choose("GAMES");
        std::array<QRect, 9> before;
        for (int tile = 0; tile < 9; ++tile)
            before[tile] = game.Box(tile)->geometry();
        AnswerNextModal([](QWidget *modal) {
            modal->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("1200"));
            modal->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("300"));
            QTest::keyClick(modal, Qt::Key_Return);
        });
        game.Choose("SETTEI");
        const int moving = game.state.Board[5];
        game.ClickCell(5);
        QCOMPARE(game.state.BlankPos, Int16{5});
        // The moved tile stands in cell 6 by the new margins, the blank's box in cell 5.
        QCOMPARE(game.Box(moving)->pos(), QPoint((1200 + 2 * 600) / 15, (300 + 600) / 15));
        QCOMPARE(game.Box(8)->pos(), QPoint((1200 + 600) / 15, (300 + 600) / 15));
        for (int tile = 0; tile < 8; ++tile) {
            if (tile != moving)
                QCOMPARE(game.Box(tile)->geometry(), before[tile]);
        }
    }

    void clearingThenExitingWritesEmptyRecords()
    {
        Game game(SettingsBytes(2, 600, 120, 120, 55));
        AnswerNextModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Return); });
        game.Choose("HISCLR");
        QString nameShown;
        AnswerNextModal([&](QWidget *modal) {
            nameShown = modal->findChild<QLabel *>(QStringLiteral("Label13"))->text();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        game.Choose("HISCO");
        QCOMPARE(nameShown, QStringLiteral("？？？？？？？？"));
        game.Choose("GAMEE");
        const QByteArray file = game.folder.Read(QStringLiteral("Surabeset.dat"));
        const QByteArray marks = QByteArray::fromHex("81488148814881488148814881488148");
        QCOMPARE(file, "29999\r\n29999\r\n29999\r\n29999\r\n29999\r\n\"" + marks + "\"\r\n\"" + marks + "\"\r\n\"" + marks +
                           "\"\r\n\"" + marks + "\"\r\n\"" + marks + "\"\r\n600\r\n120\r\n120\r\n2\r\n");
    }

    void unreadablePictureGivesANumberedBoard_data()
    {
        QTest::addColumn<QByteArray>("pictureBytes");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("reason");
        QByteArray bitmap;
        {
            QTemporaryDir dir;
            SavePicture(dir.filePath(QStringLiteral("p.bmp")));
            QFile file(dir.filePath(QStringLiteral("p.bmp")));
            file.open(QIODevice::ReadOnly);
            bitmap = file.readAll();
        }
        // An 8-bit run-length bitmap that claims 12000 × 12000 pixels in a few bytes.
        QByteArray huge("BM");
        auto le = [&huge](quint32 value, int size) {
            for (int i = 0; i < size; ++i)
                huge += char((value >> (8 * i)) & 0xff);
        };
        le(54 + 1024 + 2, 4), le(0, 4), le(54 + 1024, 4), le(40, 4), le(12000, 4), le(12000, 4), le(1, 2), le(8, 2);
        le(1, 4), le(2, 4), le(2835, 4), le(2835, 4), le(256, 4), le(0, 4);
        huge += QByteArray(1024, '\0') + QByteArray("\0\1", 2);
        QTest::newRow("missing") << QByteArray() << false << QStringLiteral("見つかりません");
        QTest::newRow("not a bitmap") << QByteArray("this is text, not a picture\n") << true << QStringLiteral("ビットマップ");
        QTest::newRow("cut off") << bitmap.left(bitmap.size() / 2) << true << QStringLiteral("途中で切れて");
        QTest::newRow("empty") << QByteArray("") << true << QStringLiteral("ビットマップ");
        QTest::newRow("too large") << huge << true << QStringLiteral("大きすぎ");
    }

    void unreadablePictureGivesANumberedBoard()
    {
        QFETCH(QByteArray, pictureBytes);
        QFETCH(bool, present);
        QFETCH(QString, reason);
        Game game(SettingsBytes(1, 600, 120, 120, 0), ScriptedRandom({0.26f}, 1.0f), false);
        if (present)
            game.folder.Write(QStringLiteral("auto.bmp"), pictureBytes);
        QString message;
        AnswerNextModal([&](QWidget *box) {
            message = qobject_cast<QMessageBox *>(box) ? qobject_cast<QMessageBox *>(box)->text() : QString();
            qobject_cast<QDialog *>(box)->accept();
        });
        game.Choose("GAMES");
        QVERIFY2(message.contains(QStringLiteral("auto.bmp")), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(game.Timer()->isActive());
        QCOMPARE(game.VisibleBoxes(), 8);
        // Each tile shows its own number: no two pieces look alike.
        const QImage first = game.Box(0)->grab().toImage();
        const QImage second = game.Box(1)->grab().toImage();
        QVERIFY(first != second);
        QVERIFY(first.pixel(0, 0) != first.pixel(first.width() / 2, first.height() / 2) ||
                first.pixel(first.width() / 2, first.height() / 2) != first.pixel(first.width() / 2 - 3, first.height() / 2));
        // And the board still plays: the blank stands in cell 8, the tile in cell 9 slides back.
        game.ClickCell(9);
        QCOMPARE(game.state.BlankPos, Int16{9});
        QVERIFY(!game.Timer()->isActive());
    }

    void exitCommandSavesAndEnds()
    {
        Game game(SettingsBytes(3, 555, -15, 0));
        game.state.BestTime[4] = 42;
        game.state.BestName[4] = "ｶﾅ 名前";
        QSignalSpy ended(game.window.get(), &MainWindow::exitChosen);
        game.Choose("GAMEE");
        QCOMPARE(ended.count(), 1);
        const QStringList lines = FileLines(game.folder.Read(QStringLiteral("Surabeset.dat")));
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines[3], QStringLiteral("42"));
        QCOMPARE(lines.mid(10), (QStringList{"555", "-15", "0", "3"}));
    }

    void closingTheWindowOtherwiseSavesNothing()
    {
        Game game{QByteArray()};
        game.state.Level = 4;
        game.window->close();
        QVERIFY(!QFile::exists(game.folder.Path(QStringLiteral("Surabeset.dat"))));
    }

    void failedSaveTellsThePlayerAndKeepsRunning()
    {
        Game game{QByteArray()};
        QDir(game.folder.Path(QString())).mkdir(QStringLiteral("Surabeset.dat")); // cannot be replaced
        QSignalSpy ended(game.window.get(), &MainWindow::exitChosen);
        QString message;
        AnswerNextModal([&](QWidget *box) {
            message = qobject_cast<QMessageBox *>(box)->text();
            qobject_cast<QDialog *>(box)->accept();
        });
        game.Choose("GAMEE");
        QVERIFY2(message.contains(QStringLiteral("Surabeset.dat")), qPrintable(message));
        QCOMPARE(ended.count(), 0);
        QVERIFY(game.window->isVisible());
        game.Choose("GAMES"); // still playable
        QVERIFY(game.Timer()->isActive());
    }

    void brokenSettingsFilesStillGiveAGameAndAValidFile_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919) % 256);
        QByteArray huge(12 * 1024 * 1024, '7');
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("short") << QByteArray("10\r\n20\r\n30\r\n");
        QTest::newRow("garbage bytes") << garbage;
        QTest::newRow("out of range numbers")
            << QByteArray("40000\r\n-32769\r\n1\r\n2\r\n3\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n99999\r\n0\r\n0\r\n70000\r\n");
        QTest::newRow("invalid code page 932")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\"\x81\x20\"\r\n\"\xff\xfe\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n600\r\n120\r\n120\r\n2\r\n");
        QTest::newRow("huge") << huge;
        QTest::newRow("quote never closes") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\"open name\r\n");
    }

    void brokenSettingsFilesStillGiveAGameAndAValidFile()
    {
        QFETCH(QByteArray, settings);
        Game game(settings, ScriptedRandom({}, 0.3f));
        game.Choose("GAMES");
        QVERIFY(game.Timer()->isActive());
        const int n = game.state.BoardSize;
        QVERIFY(n >= 3 && n <= 7);
        QCOMPARE(game.VisibleBoxes(), n * n - 1);

        QSignalSpy ended(game.window.get(), &MainWindow::exitChosen);
        game.Choose("GAMEE");
        QCOMPARE(ended.count(), 1);
        GameState reread;
        const LoadReport report = LoadSettings(reread, game.folder.Path(QStringLiteral("Surabeset.dat")));
        QCOMPARE(report.valuesDefaulted, 0);
        QCOMPARE(reread.BestTime, game.state.BestTime);
        QCOMPARE(reread.BestName, game.state.BestName);
        QCOMPARE(reread.Level, game.state.Level);
        QCOMPARE(reread.BlockSize, game.state.BlockSize);
    }

    void settingsOutsideTheBoardRangeNeitherCrashNorWrap()
    {
        // 7 × 32767 and 8 × 32767 leave the 16-bit range; negative blocks draw no board.
        for (const QByteArray &settings :
             {SettingsBytes(5, 32767, 32767, 32767), SettingsBytes(5, -600, 120, 120), SettingsBytes(2, 0, 0, 0),
              SettingsBytes(1, 20000, -32768, -32768)}) {
            Game game(settings, ScriptedRandom({}, 0.7f));
            game.Choose("GAMES");
            QVERIFY(game.Timer()->isActive());
            for (int tile = 0; tile < kTileBoxCount; ++tile) {
                const QRect box = game.Box(tile)->geometry();
                QVERIFY(box.left() >= TwipsToPixels(-32768) && box.left() <= TwipsToPixels(32767));
            }
            game.window->grab(); // paints without trouble
        }
    }
};

} // namespace surabe

QTEST_MAIN(surabe::MainWindowTest)
#include "mainwindow_test.moc"
