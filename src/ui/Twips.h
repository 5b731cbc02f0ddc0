// The one conversion from the design's twips (15 to a logical pixel) to widget pixels.
#pragma once

#include <QPoint>
#include <QRect>

namespace surabe {

inline constexpr int kTwipsPerPixel = 15;

// A position in twips, rounded to the nearest pixel (halves away from the origin's left).
int TwipsToPixels(int twips);

// A rectangle converted by its edges, so that rectangles that meet in twips meet in pixels:
// neither gap nor overlap between tile boxes whatever the block size.
QRect TwipsRectToPixels(int left, int top, int width, int height);

// The same for a control inside a container that stands at `containerOrigin` (twips, in
// the window's client area): the pixels are those of the absolute position, made relative.
QRect TwipsRectToPixels(QPoint containerOrigin, int left, int top, int width, int height);

} // namespace surabe
