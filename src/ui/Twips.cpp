// The one conversion from the design's twips (15 to a logical pixel) to widget pixels.
#include "Twips.h"

#include <limits>

namespace surabe {

int TwipsToPixels(int twips)
{
    // floor((2t + 15) / 30) rounds halves up for negative positions too.
    const int doubled = 2 * twips + kTwipsPerPixel;
    const int divisor = 2 * kTwipsPerPixel;
    return doubled >= 0 ? doubled / divisor : -((-doubled + divisor - 1) / divisor);
}

QRect TwipsRectToPixels(int left, int top, int width, int height)
{
    const int px0 = TwipsToPixels(left);
    const int py0 = TwipsToPixels(top);
    return QRect(px0, py0, qMax(0, TwipsToPixels(left + width) - px0), qMax(0, TwipsToPixels(top + height) - py0));
}

PixelGrid::PixelGrid(int leftTwips, int topTwips, int blockTwips)
    : origin_(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)), side_(qMax(0, TwipsToPixels(blockTwips)))
{
}

QSize PixelGrid::Span(int cells) const
{
    return QSize(cells * side_, cells * side_);
}

QPoint PixelGrid::CellCorner(int column, int row) const
{
    // Like the twips of the cell rule, a corner stops at the ends of the 16-bit range.
    const int least = TwipsToPixels(std::numeric_limits<qint16>::min());
    const int most = TwipsToPixels(std::numeric_limits<qint16>::max());
    return QPoint(qBound(least, origin_.x() + column * side_, most), qBound(least, origin_.y() + row * side_, most));
}

} // namespace surabe
