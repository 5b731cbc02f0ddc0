// Bitmap files written byte by byte, for the picture tests and the picture fuzzer's seeds.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

namespace surabe::fixtures {

inline constexpr quint32 kRgb = 0, kRle8 = 1, kRle4 = 2;

inline void AppendLittleEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xff);
}

// Overwrites a header field in place, to make a file lie about itself.
inline void PatchLittleEndian(QByteArray &bytes, int offset, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xff);
}

// A bitmap with a 40-byte info header: file header, info header, palette, then `pixels` as
// they stand in the file (rows padded to four bytes, or a run-length stream).
inline QByteArray BitmapFile(qint32 width, qint32 height, quint16 bitsPerPixel, quint32 compression,
                             const QList<QRgb> &palette, const QByteArray &pixels)
{
    const quint32 pixelOffset = 14 + 40 + 4 * quint32(palette.size());
    QByteArray file("BM");
    AppendLittleEndian(file, pixelOffset + quint32(pixels.size()), 4);
    AppendLittleEndian(file, 0, 4);
    AppendLittleEndian(file, pixelOffset, 4);
    AppendLittleEndian(file, 40, 4);
    AppendLittleEndian(file, quint32(width), 4);
    AppendLittleEndian(file, quint32(height), 4);
    AppendLittleEndian(file, 1, 2);
    AppendLittleEndian(file, bitsPerPixel, 2);
    AppendLittleEndian(file, compression, 4);
    AppendLittleEndian(file, quint32(pixels.size()), 4);
    AppendLittleEndian(file, 2835, 4);
    AppendLittleEndian(file, 2835, 4);
    AppendLittleEndian(file, quint32(palette.size()), 4);
    AppendLittleEndian(file, 0, 4);
    for (QRgb colour : palette) {
        file += char(qBlue(colour));
        file += char(qGreen(colour));
        file += char(qRed(colour));
        file += char(0);
    }
    return file + pixels;
}

// A 24-bit picture whose every pixel tells its place: red = x, green = y, blue = x ^ y.
inline QByteArray TrueColourBitmap(int width, int height, bool topDown = false)
{
    QByteArray pixels;
    const int padding = (4 - (width * 3) % 4) % 4;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            pixels += char((x ^ y) & 0xff);
            pixels += char(y & 0xff);
            pixels += char(x & 0xff);
        }
        pixels += QByteArray(padding, '\0');
    }
    return BitmapFile(width, topDown ? -height : height, 24, kRgb, {}, pixels);
}

// `count` distinct colours, none of them black.
inline QList<QRgb> Palette(int count)
{
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours.append(qRgb(40 + 15 * i, 250 - 13 * i, 100 + 9 * i));
    return colours;
}

} // namespace surabe::fixtures
