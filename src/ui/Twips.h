// The one conversion from the design's twips (15 to a logical pixel) to widget pixels.
#pragma once

#include <QPoint>
#include <QRect>

namespace surabe {

inline constexpr int kTwipsPerPixel = 15;

// A position in twips, rounded to the nearest pixel (halves away from the origin's left).
int TwipsToPixels(int twips);

// A rectangle converted by its edges, so that rectangles that meet in twips meet in pixels:
// windows and the controls of the dialogs.
QRect TwipsRectToPixels(int left, int top, int width, int height);

// The board's cells in whole pixels: the corner and the block each rounded once, so that every
// cell is the same square. A tile box that moves to any cell keeps its size, and the piece of
// a picture scaled to the board fits it exactly.
class PixelGrid {
public:
    PixelGrid(int leftTwips, int topTwips, int blockTwips);
    QPoint Origin() const { return origin_; }
    int Side() const { return side_; }            // of one cell
    QSize Span(int cells) const;                  // of `cells` cells in a row and in a column
    QPoint CellCorner(int column, int row) const; // relative to the origin's container

private:
    QPoint origin_;
    int side_;
};

} // namespace surabe
