// The picture of a game: decoded once from its file, scaled once to the board, or numbered tiles when it cannot be read.
#include "BoardPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace surabe {

namespace {

quint32 LittleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
}

// What a bitmap file's header promises about its pixels.
struct BitmapHeader {
    qint64 pixelOffset = 0;
    qint64 width = 0;
    qint64 height = 0; // negative for a top-down bitmap
    qint64 bitsPerPixel = 0;
    qint64 compression = 0;
};

constexpr qint64 kUncompressed = 0, kRunLength8 = 1, kRunLength4 = 2, kBitFields = 3;

// The header of a Windows or OS/2 bitmap; nothing for a file that is no bitmap, or whose info
// header is of no size a bitmap has (the decoder will then refuse it on its own).
std::optional<BitmapHeader> ReadBitmapHeader(const QByteArray &header)
{
    if (header.size() < 26 || !header.startsWith("BM"))
        return std::nullopt;
    BitmapHeader result;
    result.pixelOffset = LittleEndian(header, 10, 4);
    const quint32 infoSize = LittleEndian(header, 14, 4);
    if (infoSize == 12) { // OS/2 core header
        result.width = LittleEndian(header, 18, 2);
        result.height = LittleEndian(header, 20, 2);
        result.bitsPerPixel = LittleEndian(header, 24, 2);
        return result;
    }
    const bool knownInfoSize = infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
                               infoSize == 108 || infoSize == 124;
    if (!knownInfoSize || header.size() < 34)
        return std::nullopt;
    result.width = static_cast<qint32>(LittleEndian(header, 18, 4));
    result.height = static_cast<qint32>(LittleEndian(header, 22, 4));
    result.bitsPerPixel = LittleEndian(header, 28, 2);
    result.compression = LittleEndian(header, 30, 4);
    return result;
}

bool IsPossibleDepth(qint64 bitsPerPixel)
{
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
           bitsPerPixel == 24 || bitsPerPixel == 32;
}

bool IsRunLength(const BitmapHeader &header)
{
    return (header.compression == kRunLength8 && header.bitsPerPixel == 8) ||
           (header.compression == kRunLength4 && header.bitsPerPixel == 4);
}

// How long an uncompressed bitmap's file must be: the rows up to the last one with their
// padding to four bytes, the last one without (its padding carries nothing). Saturates for
// headers that promise more than any file can hold; nothing for files of other kinds.
std::optional<qint64> NeededLength(const BitmapHeader &header)
{
    const bool uncompressed = header.compression == kUncompressed || header.compression == kBitFields;
    if (!uncompressed || header.width <= 0 || header.height == 0 || !IsPossibleDepth(header.bitsPerPixel))
        return std::nullopt;
    // Width below 2^31 and depth at most 32: a row stays below 2^37 bytes, the rows below 2^31.
    const qint64 rows = header.height < 0 ? -header.height : header.height;
    const qint64 rowBits = header.width * header.bitsPerPixel;
    const qint64 paddedRowBytes = (rowBits + 31) / 32 * 4;
    const qint64 lastRowBytes = (rowBits + 7) / 8;
    const qint64 room = std::numeric_limits<qint64>::max() - header.pixelOffset - lastRowBytes;
    if (rows - 1 > room / paddedRowBytes)
        return std::numeric_limits<qint64>::max();
    return header.pixelOffset + paddedRowBytes * (rows - 1) + lastRowBytes;
}

// A file read as if it went on with zero bytes up to `length`. Some depths are decoded a
// padded row at a time, so a file that lacks only its last row's padding would leave that
// row undecoded; with the padding supplied it reads whole.
class ZeroPaddedFile : public QIODevice {
public:
    ZeroPaddedFile(const QString &path, qint64 length) : file_(path), length_(length) {}

    bool open(OpenMode mode) override
    {
        return file_.open(QIODevice::ReadOnly) && QIODevice::open(mode | QIODevice::Unbuffered);
    }
    qint64 size() const override { return qMax(file_.size(), length_); }
    bool seek(qint64 position) override
    {
        if (!QIODevice::seek(position) || !file_.seek(qMin(position, file_.size())))
            return false;
        position_ = position;
        return true;
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 fromFile = position_ < file_.size() ? file_.read(data, maxSize) : 0;
        if (fromFile < 0)
            return -1;
        const qint64 zeros = qBound(qint64(0), size() - position_ - fromFile, maxSize - fromFile);
        std::memset(data + fromFile, 0, size_t(zeros));
        position_ += fromFile + zeros;
        return fromFile + zeros;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QFile file_;
    qint64 length_;
    qint64 position_ = 0;
};

// Palette indexes that lie past the file's colour table, and the pixels a run-length stream
// that ends early never reached (which are palette entry 0), show as the table's first colour.
void CompleteColourTable(QImage &image)
{
    if (image.format() != QImage::Format_Indexed8 && image.format() != QImage::Format_Mono &&
        image.format() != QImage::Format_MonoLSB)
        return;
    QList<QRgb> colours = image.colorTable();
    const QRgb first = colours.isEmpty() ? qRgb(0, 0, 0) : colours.first();
    const qsizetype entries = qsizetype(1) << image.depth();
    while (colours.size() < entries)
        colours.append(first);
    image.setColorTable(colours);
}

// The board's size in device pixels. At a fractional scale the board's edge can fall inside a
// device pixel: the picture covers that pixel too rather than leave it empty.
QSize DevicePixels(QSize size, qreal devicePixelRatio)
{
    return QSize(int(std::ceil(size.width() * devicePixelRatio - 1e-6)),
                 int(std::ceil(size.height() * devicePixelRatio - 1e-6)));
}

} // namespace

DecodedPicture DecodePicture(const QString &path)
{
    DecodedPicture result;
    if (!QFileInfo(path).isFile()) {
        result.problem = QStringLiteral("ファイルが見つかりません。");
        return result;
    }
    std::optional<BitmapHeader> header;
    std::optional<qint64> neededLength;
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            header = ReadBitmapHeader(file.read(54));
            if (header && !IsPossibleDepth(header->bitsPerPixel)) {
                result.problem = QStringLiteral("ビットマップとして読めません。");
                return result;
            }
            neededLength = header ? NeededLength(*header) : std::nullopt;
            // The decoder calls a cut-off file a success and leaves the rows it lacks undefined.
            if (neededLength && file.size() < *neededLength) {
                result.problem = QStringLiteral("ファイルが途中で切れています。");
                return result;
            }
        }
    }
    constexpr qint64 kMostRowPadding = 3;
    ZeroPaddedFile device(path, neededLength && *neededLength < std::numeric_limits<qint64>::max() - kMostRowPadding
                                    ? *neededLength + kMostRowPadding
                                    : 0);
    if (!device.open(QIODevice::ReadOnly)) {
        result.problem = QStringLiteral("ファイルを開けません。");
        return result;
    }
    QImageReader reader(&device);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(QImageReader::allocationLimit()) << 20) {
        result.problem = QStringLiteral("画像が大きすぎます（%1×%2）。").arg(size.width()).arg(size.height());
        return result;
    }
    // A run-length stream may end or jump before the last pixel, and the decoder leaves what it
    // never reached as it found it: it decodes into an image of its own size and format, so
    // hand it one that is already filled with palette entry 0.
    if (header && IsRunLength(*header) && size.isValid()) {
        result.image = QImage(size, QImage::Format_Indexed8);
        if (!result.image.isNull())
            result.image.fill(0);
    }
    if (!reader.read(&result.image)) {
        result.image = QImage();
        result.problem = QStringLiteral("ビットマップとして読めません。");
        return result;
    }
    CompleteColourTable(result.image);
    return result;
}

QPixmap ScaleToBoard(const QImage &image, QSize size, qreal devicePixelRatio)
{
    const QSize devicePixels = DevicePixels(size, devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(image.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

BoardPictureCache::Picture BoardPictureCache::Get(const QString &path, int boardSize, QSize size,
                                                  qreal devicePixelRatio)
{
    const QFileInfo file(path);
    const Key key{file.absoluteFilePath(), file.size(), file.lastModified(), file.metadataChangeTime(), size,
                  devicePixelRatio};
    if (!pixmap_.isNull() && file.isFile() && key == key_)
        return {pixmap_, QString()};

    pixmap_ = QPixmap(); // the old picture is let go before the new one is decoded
    DecodedPicture decoded = DecodePicture(path);
    if (decoded.image.isNull())
        return {NumberedBoard(boardSize, size, devicePixelRatio), decoded.problem};
    pixmap_ = ScaleToBoard(decoded.image, size, devicePixelRatio);
    key_ = key;
    return {pixmap_, QString()};
}

QPixmap NumberedBoard(int boardSize, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(DevicePixels(size, devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(QColor(64, 64, 64));
    if (boardSize <= 0)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(qMax(6, size.height() / boardSize / 2));
    font.setBold(true);
    painter.setFont(font);
    for (int tile = 0; tile < boardSize * boardSize; ++tile) {
        const int column = tile % boardSize;
        const int row = tile / boardSize;
        const QRectF piece(QPointF(size.width() * column / qreal(boardSize), size.height() * row / qreal(boardSize)),
                           QPointF(size.width() * (column + 1) / qreal(boardSize),
                                   size.height() * (row + 1) / qreal(boardSize)));
        const QRectF face = piece.adjusted(1, 1, -1, -1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv((tile * 360 / (boardSize * boardSize)) % 360, 70, 240));
        painter.drawRect(face);
        painter.setPen(Qt::black);
        painter.drawText(face, Qt::AlignCenter, QString::number(tile + 1));
    }
    return pixmap;
}

} // namespace surabe
