// The picture of a game: decoded once from its file, scaled once to the board, or numbered tiles when it cannot be read.
#include "BoardPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace surabe {

namespace {

quint32 LittleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
}

// The bitmap decoder fills the rows of a cut-off file with black and calls it a success;
// an uncompressed bitmap's header tells how long the file has to be.
bool IsCutOffBitmap(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 26 || !header.startsWith("BM"))
        return false;
    const quint32 pixelOffset = LittleEndian(header, 10, 4);
    const quint32 headerSize = LittleEndian(header, 14, 4);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (headerSize == 12) { // OS/2 core header
        width = LittleEndian(header, 18, 2);
        height = LittleEndian(header, 20, 2);
        bitsPerPixel = LittleEndian(header, 24, 2);
    } else if (headerSize >= 40 && header.size() >= 34) {
        width = static_cast<qint32>(LittleEndian(header, 18, 4));
        height = static_cast<qint32>(LittleEndian(header, 22, 4));
        bitsPerPixel = LittleEndian(header, 28, 2);
        compression = LittleEndian(header, 30, 4);
    } else {
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3;
    if (!uncompressed || width <= 0 || bitsPerPixel == 0)
        return false;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const qint64 needed = static_cast<qint64>(pixelOffset) + rowBytes * (height < 0 ? -height : height);
    return file.size() < needed;
}

} // namespace

DecodedPicture DecodePicture(const QString &path)
{
    DecodedPicture result;
    if (!QFileInfo(path).isFile()) {
        result.problem = QStringLiteral("ファイルが見つかりません。");
        return result;
    }
    if (IsCutOffBitmap(path)) {
        result.problem = QStringLiteral("ファイルが途中で切れています。");
        return result;
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(QImageReader::allocationLimit()) << 20) {
        result.problem = QStringLiteral("画像が大きすぎます（%1×%2）。").arg(size.width()).arg(size.height());
        return result;
    }
    result.image = reader.read();
    if (result.image.isNull()) {
        result.problem = reader.error() == QImageReader::FileNotFoundError
                             ? QStringLiteral("ファイルを開けません。")
                             : QStringLiteral("ビットマップとして読めません。");
    }
    return result;
}

QPixmap ScaleToBoard(const QImage &image, QSize size, qreal devicePixelRatio)
{
    const QSize devicePixels = size * devicePixelRatio;
    QPixmap pixmap = QPixmap::fromImage(
        image.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QPixmap NumberedBoard(int boardSize, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
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
