// The cell rule and board-size helpers of the game state.
#include "GameState.h"

namespace surabe {

bool IsPlayableSize(int boardSize)
{
    return boardSize >= 3 && boardSize <= kMaxBoardSize;
}

int BestSlotFor(int boardSize)
{
    return boardSize - 2;
}

Int16 CellLeft(const GameState &state, int cell)
{
    const Int16 column = static_cast<Int16>((cell - 1) % state.BoardSize);
    return Add16(state.LeftMargin, Mul16(column, state.BlockSize));
}

Int16 CellTop(const GameState &state, int cell)
{
    const Int16 row = static_cast<Int16>((cell - 1) / state.BoardSize);
    return Add16(state.TopMargin, Mul16(row, state.BlockSize));
}

} // namespace surabe
