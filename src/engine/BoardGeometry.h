// Twip positions of the board's parts: the preview, the clock label, parked boxes.
#pragma once

#include "GameState.h"

namespace surabe {

Int16 BoardSpan(const GameState &state); // N×B: side of the board, the preview and each tile image
Int16 PreviewLeft(const GameState &state); // right of the board, three quarters of a block away
Int16 PreviewTop(const GameState &state);
Int16 ClockLabelLeft(const GameState &state); // five blocks right of the margin, whatever N is
Int16 ClockLabelTop(const GameState &state);  // half a block below the board
Int16 ParkedLeft(const GameState &state);     // where the boxes this size leaves idle wait
Int16 ParkedTop(const GameState &state);

// TilePos(Board(c)) = c for every cell of the board.
void RebuildTilePos(GameState &state);

} // namespace surabe
