// The picture of a game: decoded once from its file, scaled once to the board, or numbered tiles when it cannot be read.
#include "BoardPicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace surabe {

DecodedPicture DecodePicture(const QString &path)
{
    DecodedPicture result;
    if (!QFileInfo(path).isFile()) {
        result.problem = QStringLiteral("ファイルが見つかりません。");
        return result;
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
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
