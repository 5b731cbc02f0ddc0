// The puzzle's rules played without a window: moves, press and release, new game, completion, clock.
#include "BoardGeometry.h"
#include "FakeScreen.h"
#include "PuzzleEngine.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace surabe {
namespace {

using fakes::FakeScreen;
using fakes::ScriptedRandom;

// A running game on an N×N board with the given tiles per cell (cell 1 first).
struct Table {
    GameState state;
    FakeScreen screen{state};
    ScriptedRandom random;
    PuzzleEngine engine{state, screen, random};

    Table(int n, const std::vector<int> &tilesByCell, int blockSize = 600, int margin = 120)
    {
        state.BoardSize = static_cast<Int16>(n);
        state.BlockSize = static_cast<Int16>(blockSize);
        state.LeftMargin = state.TopMargin = static_cast<Int16>(margin);
        for (std::size_t i = 0; i < tilesByCell.size(); ++i) {
            state.Board[i + 1] = static_cast<Int16>(tilesByCell[i]);
            if (tilesByCell[i] == n * n - 1)
                state.BlankPos = static_cast<Int16>(i + 1);
        }
        screen.LayoutBoard();
        screen.clockEnabled = true;
        for (int t = 0; t < 5; ++t)
            state.BestTime[t + 1] = kEmptyBestTime;
    }

    void Move(int tile)
    {
        engine.TilePressed(tile);
        engine.TileReleased();
    }
};

std::vector<int> Solved(int n)
{
    std::vector<int> tiles(n * n);
    std::iota(tiles.begin(), tiles.end(), 0);
    return tiles;
}

// 4×4 board with the blank (15) in `blankCell` and the other tiles in order around it.
std::vector<int> FourByFourWithBlankAt(int blankCell)
{
    std::vector<int> tiles = Solved(4);
    std::rotate(tiles.begin() + (blankCell - 1), tiles.end() - 1, tiles.end());
    return tiles;
}

void ExpectConsistent(const GameState &state)
{
    const int cells = state.BoardSize * state.BoardSize;
    std::vector<int> seen;
    for (int c = 1; c <= cells; ++c) {
        seen.push_back(state.Board[c]);
        EXPECT_EQ(state.TilePos[state.Board[c]], c) << "cell " << c;
    }
    std::sort(seen.begin(), seen.end());
    std::vector<int> expected(cells);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(state.Board[state.BlankPos], cells - 1);
}

TEST(TileMove, WorkedExampleOnFourByFour)
{
    // Blank in cell 6, tile 9 in cell 7.
    Table table(4, {0, 1, 2, 3, 4, 15, 9, 7, 8, 5, 10, 11, 12, 13, 14, 6});
    table.engine.TilePressed(9);
    EXPECT_EQ(table.state.MoveDir, 3);
    EXPECT_EQ(table.state.PressedTile, 9);

    table.engine.TileReleased();
    using Pos = std::pair<int, int>;
    EXPECT_EQ(table.screen.boxPosition[9], Pos(720, 720));
    EXPECT_EQ(table.screen.boxPosition[15], Pos(1320, 720));
    EXPECT_EQ((std::vector<int>{9, 15}), table.screen.placed);
    EXPECT_EQ(table.state.Board[6], 9);
    EXPECT_EQ(table.state.Board[7], 15);
    EXPECT_EQ(table.state.BlankPos, 7);
    EXPECT_EQ(table.state.TilePos[9], 6);
    EXPECT_EQ(table.state.TilePos[15], 7);
    EXPECT_TRUE(table.screen.clockEnabled);
}

struct PressCase {
    int blankCell;
    int pressedCell;
    int expectedDir;
};

TEST(TileMove, PressDecidesTheDirectionAndRowEndsNeverWrap)
{
    const PressCase cases[] = {
        {5, 4, 0},  // tile at the end of the row above the blank: diff -1 across the row break
        {5, 6, 3},  // right of the blank: moves left
        {4, 5, 0},  // tile at the start of the row below: diff +1 across the row break
        {4, 8, 1},  // below the blank: moves up
        {8, 4, 2},  // above the blank: moves down
        {6, 5, 4},  // left of the blank: moves right
        {6, 8, 0},  // two cells away in the same row
        {6, 14, 0}, // two rows away in the same column
        {6, 11, 0}, // diagonal
    };
    for (const PressCase &c : cases) {
        Table table(4, FourByFourWithBlankAt(c.blankCell));
        const int tile = table.state.Board[c.pressedCell];
        const GameState before = table.state;
        table.Move(tile);
        SCOPED_TRACE(::testing::Message() << "blank " << c.blankCell << ", pressed cell " << c.pressedCell);
        EXPECT_EQ(table.state.MoveDir, c.expectedDir);
        if (c.expectedDir == 0) {
            EXPECT_EQ(table.state.Board, before.Board);
            EXPECT_EQ(table.state.BlankPos, before.BlankPos);
            EXPECT_TRUE(table.screen.placed.empty());
        } else {
            EXPECT_EQ(table.state.BlankPos, c.pressedCell);
            EXPECT_EQ(table.state.Board[c.blankCell], tile);
            ExpectConsistent(table.state);
        }
    }
}

TEST(TileMove, SecondReleaseSendsTheTileBack)
{
    Table table(4, FourByFourWithBlankAt(6));
    const int tile = table.state.Board[7];
    table.engine.TilePressed(tile);
    table.engine.TileReleased();
    EXPECT_EQ(table.state.TilePos[tile], 6);
    table.engine.TileReleased();
    EXPECT_EQ(table.state.TilePos[tile], 7);
    EXPECT_EQ(table.state.BlankPos, 6);
    ExpectConsistent(table.state);
}

TEST(TileMove, NothingHappensWhileTheClockIsStopped)
{
    Table table(4, FourByFourWithBlankAt(6));
    table.state.PressedTile = 2;
    table.state.MoveDir = 0;
    table.screen.clockEnabled = false;
    const GameState before = table.state;
    table.Move(table.state.Board[7]);
    EXPECT_EQ(table.state.PressedTile, 2); // not even the press state changes
    EXPECT_EQ(table.state.Board, before.Board);
    EXPECT_TRUE(table.screen.placed.empty());
}

TEST(TileMove, MarginsChangedMidGamePlaceOnlyTheTwoMovedBoxes)
{
    Table table(4, FourByFourWithBlankAt(6));
    const auto before = table.screen.boxPosition;
    table.state.LeftMargin = 300;
    table.state.TopMargin = 60;
    table.state.BlockSize = 700;
    const int tile = table.state.Board[7];
    table.Move(tile);
    using Pos = std::pair<int, int>;
    EXPECT_EQ(table.screen.boxPosition[tile], Pos(300 + 700, 60 + 700));
    EXPECT_EQ(table.screen.boxPosition[15], Pos(300 + 2 * 700, 60 + 700));
    for (int t = 0; t < 15; ++t) {
        if (t != tile) {
            EXPECT_EQ(table.screen.boxPosition[t], before[t]) << "tile " << t;
        }
    }
}

TEST(TileMove, AStalePressFromALargerBoardMovesNothing)
{
    Table table(3, {0, 1, 2, 3, 4, 5, 6, 8, 7});
    table.state.PressedTile = 40; // left from a 7×7 game
    table.state.MoveDir = 3;
    const GameState before = table.state;
    table.engine.TileReleased();
    EXPECT_EQ(table.state.Board, before.Board);
    EXPECT_EQ(table.state.BlankPos, before.BlankPos);
}

TEST(Shuffle, ThreeByThreeWalkWithDrawsZeroOneTwo)
{
    GameState state;
    state.BoardSize = 3;
    for (int c = 1; c <= 9; ++c)
        state.Board[c] = static_cast<Int16>(c - 1);
    state.BlankPos = 9;
    FakeScreen screen(state);
    // d = 0, 1, 2; every later draw is outside [0, 1) and so a lost step.
    ScriptedRandom walk({0.0f, 0.26f, 0.51f}, 1.0f);
    PuzzleEngine engine(state, screen, walk);
    engine.ShuffleBoard();

    EXPECT_EQ(walk.reseeds, 1);
    EXPECT_EQ(walk.drawsTaken, 2250);
    // d = 0 blocked in the rightmost column; d = 1 left to cell 8; d = 2 up to cell 5.
    EXPECT_EQ(state.BlankPos, 5);
    EXPECT_EQ((std::vector<Int16>(state.Board.begin() + 1, state.Board.begin() + 10)),
              (std::vector<Int16>{0, 1, 2, 3, 8, 5, 6, 4, 7}));
    EXPECT_TRUE(screen.placed.empty()); // the walk touches the model only
}

TEST(Shuffle, BlockedStepsAtEveryEdgeLeaveTheBoardAlone)
{
    struct Blocked {
        int blankCell;
        float draw;
    };
    // 3×3: right edge blocks d=0, left edge d=1, top row d=2, bottom row d=3.
    const Blocked cases[] = {{3, 0.0f}, {4, 0.25f}, {2, 0.5f}, {8, 0.75f}};
    for (const Blocked &c : cases) {
        GameState state;
        state.BoardSize = 3;
        FakeScreen screen(state);
        ScriptedRandom random;
        PuzzleEngine engine(state, screen, random);
        for (int cell = 1; cell <= 9; ++cell)
            state.Board[cell] = static_cast<Int16>(cell - 1);
        std::swap(state.Board[9], state.Board[c.blankCell]);
        state.BlankPos = static_cast<Int16>(c.blankCell);
        const auto before = state.Board;
        std::deque<float> draws(2250, c.draw);
        ScriptedRandom same(draws);
        PuzzleEngine walker(state, screen, same);
        walker.ShuffleBoard();
        EXPECT_EQ(state.Board, before) << "blank in cell " << c.blankCell;
        EXPECT_EQ(state.BlankPos, c.blankCell);
    }
}

TEST(NewGame, EveryLevelStartsAConsistentHiddenBlankGame)
{
    for (int level = 1; level <= 5; ++level) {
        GameState state;
        state.Level = static_cast<Int16>(level);
        state.BlockSize = 600;
        state.LeftMargin = state.TopMargin = 120;
        state.ElapsedSec = 77;
        FakeScreen screen(state);
        ClockSeededRandom random;
        PuzzleEngine engine(state, screen, random);
        engine.NewGame();

        const int n = level + 2;
        SCOPED_TRACE(::testing::Message() << "level " << level);
        EXPECT_EQ(state.BoardSize, n);
        ExpectConsistent(state);
        EXPECT_EQ(screen.layouts, 1);
        EXPECT_EQ(screen.VisibleBoxCount(), n * n - 1);
        EXPECT_FALSE(screen.boxVisible[n * n - 1]);
        EXPECT_TRUE(screen.previewVisible);
        EXPECT_TRUE(screen.clockLabelVisible);
        EXPECT_EQ(state.ElapsedSec, 0);
        EXPECT_TRUE(screen.clockEnabled);
        EXPECT_TRUE(screen.clockText.empty()); // the label keeps its text until the first tick
    }
}

TEST(NewGame, ShuffleMakesTwoHundredFiftyStepsPerCell)
{
    const int expected[] = {2250, 4000, 6250, 9000, 12250};
    for (int level = 1; level <= 5; ++level) {
        GameState state;
        state.Level = static_cast<Int16>(level);
        FakeScreen screen(state);
        ScriptedRandom random;
        PuzzleEngine engine(state, screen, random);
        engine.NewGame();
        EXPECT_EQ(random.drawsTaken, expected[level - 1]);
        EXPECT_EQ(random.reseeds, 1);
    }
}

TEST(NewGame, LevelOutsideOneToFiveBeforeAnyGameShowsNoTiles)
{
    for (Int16 level : {Int16{0}, Int16{6}, Int16{-1}, Int16{32767}}) {
        GameState state;
        state.Level = level;
        FakeScreen screen(state);
        ScriptedRandom random;
        PuzzleEngine engine(state, screen, random);
        engine.NewGame();
        EXPECT_EQ(state.BoardSize, 0);
        EXPECT_EQ(screen.VisibleBoxCount(), 0);
        EXPECT_EQ(random.drawsTaken, 0);
        EXPECT_TRUE(screen.clockLabelVisible);
        EXPECT_TRUE(screen.clockEnabled);
        // No box can be pressed; even a forged press and release changes nothing.
        const GameState before = state;
        engine.TilePressed(0);
        engine.TileReleased();
        engine.CheckSolved();
        EXPECT_EQ(state.Board, before.Board);
        EXPECT_TRUE(screen.clockEnabled);
        EXPECT_EQ(screen.entryDialogs, 0);
    }
}

TEST(NewGame, LevelOutsideOneToFiveAfterAGameKeepsTheBoardSize)
{
    GameState state;
    state.Level = 2;
    FakeScreen screen(state);
    ClockSeededRandom random;
    PuzzleEngine engine(state, screen, random);
    engine.NewGame();
    state.Level = 9;
    state.ElapsedSec = 40;
    engine.NewGame();
    EXPECT_EQ(state.BoardSize, 4);
    ExpectConsistent(state);
    EXPECT_EQ(screen.VisibleBoxCount(), 15);
    EXPECT_EQ(state.ElapsedSec, 0);
}

TEST(NewGame, ClockTicksCannotReachAGameBeingSetUp)
{
    GameState state;
    state.Level = 1;
    FakeScreen screen(state);
    ScriptedRandom random;
    PuzzleEngine engine(state, screen, random);
    engine.NewGame();
    for (int tick = 0; tick < 3; ++tick)
        engine.ClockTick();
    ASSERT_EQ(screen.clockText, "時間： 3 秒");

    // The picture's warning box runs an event loop inside the layout; the timer delivers
    // ticks there only while it is enabled.
    int ticksDelivered = 0;
    screen.duringLayout = [&] {
        if (screen.clockEnabled) {
            ++ticksDelivered;
            engine.ClockTick();
        }
    };
    engine.NewGame();
    EXPECT_EQ(ticksDelivered, 0);
    EXPECT_EQ(state.ElapsedSec, 0);
    EXPECT_EQ(screen.clockText, "時間： 3 秒"); // still the last game's time until the first tick
    EXPECT_TRUE(screen.clockEnabled);
}

TEST(NewGame, AfterAFinishedGameTheLastTileIsHiddenAgain)
{
    Table table(3, {0, 1, 2, 3, 4, 5, 6, 8, 7});
    table.state.Level = 1;
    table.state.BestTime[1] = 0;
    table.Move(7);
    ASSERT_TRUE(table.screen.boxVisible[8]);
    ASSERT_FALSE(table.screen.clockEnabled);
    table.engine.NewGame();
    EXPECT_FALSE(table.screen.boxVisible[8]);
    EXPECT_TRUE(table.screen.clockEnabled);
}

TEST(Completion, SolvingStopsTheClockShowsTheLastTileAndComparesWithTheSlot)
{
    struct Case {
        int n;
        int elapsed;
        int best;
        bool opensEntry;
    };
    const Case cases[] = {
        {3, 95, 120, true},
        {3, 95, 60, false},
        {3, 95, 95, false}, // a tie keeps the earlier holder
        {5, 28000, kEmptyBestTime, true},
        {7, 300, 301, true},
        {7, 300, 299, false},
    };
    for (const Case &c : cases) {
        std::vector<int> tiles = Solved(c.n);
        std::swap(tiles[c.n * c.n - 1], tiles[c.n * c.n - 2]); // blank one cell left of home
        Table table(c.n, tiles);
        table.state.Level = 1; // the slot follows the board in play, not the level setting
        table.state.ElapsedSec = static_cast<Int16>(c.elapsed);
        table.state.BestTime[c.n - 2] = static_cast<Int16>(c.best);
        table.Move(c.n * c.n - 2);
        SCOPED_TRACE(::testing::Message() << c.n << "x" << c.n << " in " << c.elapsed << " vs " << c.best);
        EXPECT_FALSE(table.screen.clockEnabled);
        EXPECT_TRUE(table.screen.boxVisible[c.n * c.n - 1]);
        EXPECT_EQ(table.state.BlankPos, c.n * c.n);
        EXPECT_EQ(table.screen.entryDialogs, c.opensEntry ? 1 : 0);
        EXPECT_FALSE(table.screen.entryOpenedWithClockRunning);

        // The game is over: later presses do nothing.
        const auto board = table.state.Board;
        table.Move(c.n * c.n - 2);
        EXPECT_EQ(table.state.Board, board);
    }
}

TEST(Completion, AMoveThatLeavesOneTileOutKeepsTheGameGoing)
{
    // Tiles 7 and 6 swapped: moving the blank home still leaves them out of place.
    Table table(3, {0, 1, 2, 3, 4, 5, 7, 8, 6});
    table.state.BestTime[1] = kEmptyBestTime;
    table.Move(6);
    EXPECT_TRUE(table.screen.clockEnabled);
    EXPECT_FALSE(table.screen.boxVisible[8]);
    EXPECT_EQ(table.screen.entryDialogs, 0);
}

TEST(Clock, TicksCountAndStopAtTheEndOfTheRange)
{
    Table table(3, Solved(3));
    table.engine.ClockTick();
    EXPECT_EQ(table.state.ElapsedSec, 1);
    EXPECT_EQ(table.screen.clockText, "時間： 1 秒");
    table.state.ElapsedSec = 32766;
    table.engine.ClockTick();
    EXPECT_EQ(table.screen.clockText, "時間： 32767 秒");
    table.engine.ClockTick();
    EXPECT_EQ(table.state.ElapsedSec, 32767);
    EXPECT_EQ(table.screen.clockText, "時間： 32767 秒");
}

TEST(Geometry, CellRuleAndSaturationAtTheEdgeOfTheRange)
{
    GameState state;
    state.BoardSize = 4;
    state.BlockSize = 600;
    state.LeftMargin = state.TopMargin = 120;
    EXPECT_EQ(CellLeft(state, 7), 1320);
    EXPECT_EQ(CellTop(state, 7), 720);
    EXPECT_EQ(CellLeft(state, 16), 1920);
    EXPECT_EQ(CellTop(state, 16), 1920);

    state.BoardSize = 7;
    state.BlockSize = 20000;
    state.LeftMargin = 30000;
    EXPECT_EQ(CellLeft(state, 7), 32767); // not wrapped to a negative position
    EXPECT_EQ(PreviewLeft(state), 32767);
    state.BlockSize = -20000;
    state.LeftMargin = -30000;
    EXPECT_EQ(CellLeft(state, 7), -32768);
}

TEST(Geometry, FractionsOfABlockAreTruncated)
{
    GameState state;
    state.BoardSize = 3;
    state.BlockSize = 601;
    state.LeftMargin = state.TopMargin = 0;
    EXPECT_EQ(PreviewLeft(state), 1803 + 450);   // 450.75 truncated
    EXPECT_EQ(ClockLabelTop(state), 1803 + 300); // 300.5 truncated
    state.BlockSize = -601;
    EXPECT_EQ(ClockLabelTop(state), -1803 - 300); // towards zero
}

TEST(Text, NumbersAndTheirSuffixes)
{
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(-15), "-15");
    EXPECT_EQ(DecimalText(-32768), "-32768");
    EXPECT_EQ(DecimalText(32767), "32767");
    EXPECT_EQ(ClockText(75), "時間： 75 秒");
    EXPECT_EQ(RecordTimeText(29999), "29999  秒");
    EXPECT_EQ(CourseText(4, 87), "初級コース      87  秒");
    EXPECT_EQ(CourseText(7, 1), "特級コース      1  秒");
    EXPECT_EQ(CourseText(0, 5), "");
    EXPECT_EQ(LevelName(3), "初心");
    EXPECT_EQ(LevelName(8), "");
}

} // namespace
} // namespace surabe
