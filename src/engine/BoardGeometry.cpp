// Twip positions of the board's parts: the preview, the clock label, parked boxes.
#include "BoardGeometry.h"

namespace surabe {

Int16 BoardSpan(const GameState &state)
{
    return Mul16(state.BoardSize, state.BlockSize);
}

Int16 PreviewLeft(const GameState &state)
{
    return Add16(Add16(state.LeftMargin, BoardSpan(state)), FractionOf(state.BlockSize, 3.0f, 4.0f));
}

Int16 PreviewTop(const GameState &state)
{
    return state.TopMargin;
}

Int16 ClockLabelLeft(const GameState &state)
{
    return Add16(state.LeftMargin, Mul16(5, state.BlockSize));
}

Int16 ClockLabelTop(const GameState &state)
{
    return Add16(Add16(state.TopMargin, BoardSpan(state)), FractionOf(state.BlockSize, 1.0f, 2.0f));
}

Int16 ParkedLeft(const GameState &state)
{
    return Add16(state.LeftMargin, Mul16(Add16(state.BoardSize, 1), state.BlockSize));
}

Int16 ParkedTop(const GameState &state)
{
    return state.TopMargin;
}

void RebuildTilePos(GameState &state)
{
    const int cells = state.BoardSize * state.BoardSize;
    for (int tile = 0; tile < cells; ++tile)
        for (int cell = 1; cell <= cells; ++cell)
            if (state.Board[cell] == tile)
                state.TilePos[tile] = static_cast<Int16>(cell);
}

} // namespace surabe
