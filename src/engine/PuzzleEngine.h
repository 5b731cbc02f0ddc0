// The rules of the puzzle: blank moves, tile press and release, new game, shuffle, completion, clock.
#pragma once

#include "GameState.h"
#include "RandomSource.h"
#include "Screen.h"

namespace surabe {

class PuzzleEngine {
public:
    PuzzleEngine(GameState &state, Screen &screen, RandomSource &random);

    // The blank's four moves: they change the model only and test nothing.
    void MoveBlankRight();
    void MoveBlankLeft();
    void MoveBlankUp();
    void MoveBlankDown();

    // Mouse button down / up on tile image `tile`.
    void TilePressed(int tile);
    void TileReleased();

    void NewGame();
    void ShuffleBoard();
    void CheckSolved();

    // One tick of the game clock.
    void ClockTick();

private:
    void MoveBlankBy(int offset);
    int CellCount() const { return state_.BoardSize * state_.BoardSize; }

    GameState &state_;
    Screen &screen_;
    RandomSource &random_;
};

} // namespace surabe
