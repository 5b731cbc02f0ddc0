// The rules of the puzzle: blank moves, tile press and release, new game, shuffle, completion, clock.
#include "PuzzleEngine.h"

#include "BoardGeometry.h"
#include "Text.h"

#include <limits>

namespace surabe {

namespace {

constexpr Int16 kNoMove = 0;
constexpr Int16 kMovesUp = 1;
constexpr Int16 kMovesDown = 2;
constexpr Int16 kMovesLeft = 3;
constexpr Int16 kMovesRight = 4;

Int16 BoardSizeForLevel(Int16 level, Int16 current)
{
    return (level >= 1 && level <= 5) ? static_cast<Int16>(level + 2) : current;
}

} // namespace

PuzzleEngine::PuzzleEngine(GameState &state, Screen &screen, RandomSource &random)
    : state_(state), screen_(screen), random_(random)
{
}

void PuzzleEngine::MoveBlankBy(int offset)
{
    const int blankTile = CellCount() - 1;
    state_.Board[state_.BlankPos] = state_.Board[state_.BlankPos + offset];
    state_.BlankPos = static_cast<Int16>(state_.BlankPos + offset);
    state_.Board[state_.BlankPos] = static_cast<Int16>(blankTile);
}

void PuzzleEngine::MoveBlankRight() { MoveBlankBy(+1); }
void PuzzleEngine::MoveBlankLeft() { MoveBlankBy(-1); }
void PuzzleEngine::MoveBlankUp() { MoveBlankBy(-state_.BoardSize); }
void PuzzleEngine::MoveBlankDown() { MoveBlankBy(+state_.BoardSize); }

void PuzzleEngine::TilePressed(int tile)
{
    if (!screen_.IsClockEnabled())
        return;
    // Only the boxes of the board in play can be pressed; anything else is not a tile.
    if (!IsPlayableSize(state_.BoardSize) || tile < 0 || tile >= CellCount())
        return;

    const int n = state_.BoardSize;
    state_.PressedTile = static_cast<Int16>(tile);
    state_.MoveDir = kNoMove;
    const int cell = state_.TilePos[tile];
    const int diff = cell - state_.BlankPos;
    if (diff == n) {
        state_.MoveDir = kMovesUp;
    } else if (diff == -n) {
        state_.MoveDir = kMovesDown;
    } else if (diff == 1) {
        // A tile in the leftmost column is one cell after a blank at the end of the row above.
        if (cell % n != 1)
            state_.MoveDir = kMovesLeft;
    } else if (diff == -1) {
        // A tile in the rightmost column is one cell before a blank at the start of the next row.
        if (cell % n != 0)
            state_.MoveDir = kMovesRight;
    }
}

void PuzzleEngine::TileReleased()
{
    if (!screen_.IsClockEnabled())
        return;
    if (state_.MoveDir < kMovesUp || state_.MoveDir > kMovesRight)
        return;
    // The press state outlives a new game; one left from a larger board is no move on this one.
    const int cells = CellCount();
    const int pressed = state_.PressedTile;
    if (!IsPlayableSize(state_.BoardSize) || pressed < 0 || pressed >= cells
        || state_.TilePos[pressed] < 1 || state_.TilePos[pressed] > cells)
        return;

    const int blankTile = cells - 1;
    screen_.PlaceTileBox(pressed, state_.BlankPos);
    screen_.PlaceTileBox(blankTile, state_.TilePos[pressed]);
    state_.Board[state_.BlankPos] = static_cast<Int16>(pressed);
    const Int16 oldBlank = state_.BlankPos;
    state_.BlankPos = state_.TilePos[pressed];
    state_.Board[state_.BlankPos] = static_cast<Int16>(blankTile);
    state_.TilePos[pressed] = oldBlank;
    state_.TilePos[blankTile] = state_.BlankPos;
    CheckSolved();
}

void PuzzleEngine::NewGame()
{
    // The clock of a game in progress stops while the next one is set up: a message box of the
    // layout runs an event loop, and a tick there would count for neither game.
    screen_.SetClockEnabled(false);
    state_.BoardSize = BoardSizeForLevel(state_.Level, state_.BoardSize);
    for (int tile = 0; tile < kTileBoxCount; ++tile)
        screen_.SetTileBoxVisible(tile, false);
    screen_.SetPreviewVisible(false);
    screen_.SetClockLabelVisible(false);

    const int cells = CellCount();
    state_.BlankPos = static_cast<Int16>(cells);
    for (int cell = 1; cell <= cells; ++cell)
        state_.Board[cell] = static_cast<Int16>(cell - 1);
    ShuffleBoard();
    screen_.LayoutBoard();

    for (int tile = 0; tile <= cells - 2; ++tile)
        screen_.SetTileBoxVisible(tile, true);
    screen_.SetPreviewVisible(true);
    screen_.SetClockLabelVisible(true);
    state_.ElapsedSec = 0;
    screen_.SetClockEnabled(true);
}

void PuzzleEngine::ShuffleBoard()
{
    random_.Reseed();
    const int n = state_.BoardSize;
    const int steps = 250 * n * n;
    for (int step = 0; step < steps; ++step) {
        const int direction = static_cast<int>(random_.Next() * 4.0f);
        const int blank = state_.BlankPos;
        switch (direction) {
        case 0:
            if (blank % n != 0)
                MoveBlankRight();
            break;
        case 1:
            if (blank % n != 1)
                MoveBlankLeft();
            break;
        case 2:
            if ((blank - 1) / n != 0)
                MoveBlankUp();
            break;
        case 3:
            if ((blank - 1) / n != n - 1)
                MoveBlankDown();
            break;
        default: // a draw outside [0, 1) is a lost step, like a blocked one
            break;
        }
    }
}

void PuzzleEngine::CheckSolved()
{
    if (!IsPlayableSize(state_.BoardSize))
        return;
    const int cells = CellCount();
    bool solved = true;
    for (int cell = 1; cell <= cells; ++cell)
        if (state_.Board[cell] != cell - 1)
            solved = false;
    if (!solved)
        return;

    screen_.SetClockEnabled(false);
    screen_.SetTileBoxVisible(cells - 1, true);
    const int slot = BestSlotFor(state_.BoardSize);
    // Only a strictly better time takes the record: on a tie the earlier holder keeps it.
    if (state_.ElapsedSec < state_.BestTime[slot])
        screen_.OpenBestTimeEntry();
}

void PuzzleEngine::ClockTick()
{
    // The clock stops at the end of its 16-bit range (about nine hours) instead of wrapping.
    if (state_.ElapsedSec < std::numeric_limits<Int16>::max())
        ++state_.ElapsedSec;
    screen_.SetClockText(ClockText(state_.ElapsedSec).c_str());
}

} // namespace surabe
