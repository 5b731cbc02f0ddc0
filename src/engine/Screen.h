// The small interface through which the engine reaches the main window, its clock and the record dialog.
#pragma once

namespace surabe {

class Screen {
public:
    virtual ~Screen() = default;

    // Puts tile box t on the window position of cell c (left first, then top).
    virtual void PlaceTileBox(int tile, int cell) = 0;
    virtual void SetTileBoxVisible(int tile, bool visible) = 0;
    virtual void SetPreviewVisible(bool visible) = 0;
    virtual void SetClockLabelVisible(bool visible) = 0;
    virtual void SetClockText(const char *utf8Text) = 0;

    // The clock timer's enabled state is the game-in-progress flag.
    virtual bool IsClockEnabled() const = 0;
    virtual void SetClockEnabled(bool enabled) = 0;

    // Sizes and places every box, loads the picture and rebuilds TilePos from Board.
    virtual void LayoutBoard() = 0;

    // Opens the best-time entry dialog modally; returns when it has closed.
    virtual void OpenBestTimeEntry() = 0;
};

} // namespace surabe
