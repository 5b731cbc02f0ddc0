// The one set of game variables that every window reads and writes: board, settings, clock, records.
#pragma once

#include "Int16.h"

#include <array>
#include <string>

namespace surabe {

inline constexpr int kMaxBoardSize = 7;
inline constexpr int kTileBoxCount = kMaxBoardSize * kMaxBoardSize; // Picture1(0..48)
inline constexpr int kBestSlots = 5;                                 // BestTime(1..5)

// A slot holding these two values has no record yet; they are what clearing writes.
inline constexpr Int16 kEmptyBestTime = 29999;
inline constexpr const char *kEmptyBestName = "？？？？？？？？"; // eight U+FF1F, UTF-8

struct GameState {
    // Board(c) = tile in cell c, cells 1..N×N; TilePos(t) = cell of tile t, tiles 0..N×N-1.
    std::array<Int16, 51> Board{};
    Int16 BlankPos = 0;
    std::array<Int16, 51> TilePos{};
    Int16 BoardSize = 0; // N: 3..7 once a game has started, 0 before
    Int16 Level = 0;     // 1..5 means N = Level + 2; other values keep the previous N
    Int16 LeftMargin = 0; // twips
    Int16 TopMargin = 0;  // twips
    Int16 BlockSize = 0;  // twips
    Int16 ElapsedSec = 0;
    std::string PictureFile; // UTF-8 path
    std::array<Int16, 7> BestTime{};       // slots 1..5 used, slot k for board size k+2
    std::array<std::string, 7> BestName{}; // UTF-8, same slots
    Int16 PressedTile = 0;
    Int16 MoveDir = 0; // 0 none, 1 up, 2 down, 3 left, 4 right

    bool operator==(const GameState &) const = default;
};

// Where cell c stands on the main window, in twips: the cell rule shared by layout and moves.
Int16 CellLeft(const GameState &state, int cell);
Int16 CellTop(const GameState &state, int cell);

// True when N is one of the five board sizes, i.e. a board can be played.
bool IsPlayableSize(int boardSize);

// Best-time slot of a board of size N (3..7 gives 1..5).
int BestSlotFor(int boardSize);

} // namespace surabe
