// An image control: shows its share of the one board picture and reports mouse presses with its index.
#include "ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace surabe {

ImageControl::ImageControl(const char *objectName, int index, QWidget *parent) : QWidget(parent), index_(index)
{
    setObjectName(QString::fromLatin1(objectName));
    setProperty("index", index);
}

void ImageControl::SetPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void ImageControl::SetPiece(QPoint pieceCorner, const QWidget *container, QPoint boardCorner)
{
    pieceCorner_ = pieceCorner;
    container_ = container;
    boardCorner_ = boardCorner;
    update();
}

void ImageControl::paintEvent(QPaintEvent *event)
{
    if (picture_.isNull() || !container_)
        return;
    QPainter painter(this);
    // The picture is copied pixel for pixel in device pixels. At a fractional scale a widget's
    // corner falls inside a device pixel, and each box would round its share of the picture
    // differently: seams. So the piece's corner goes on the device pixel of its box's corner,
    // and the piece is the part of the picture that lies there on the solved board: from the
    // board's rounded corner to the piece's rounded home corner.
    const QTransform toDevice = painter.deviceTransform();
    auto devicePixel = [&toDevice](QPoint logical) {
        const QPointF point = toDevice.map(QPointF(logical));
        return QPoint(qRound(point.x()), qRound(point.y()));
    };
    const QPoint board = devicePixel(mapFrom(container_, boardCorner_));
    const QPoint pieceInPicture = devicePixel(mapFrom(container_, boardCorner_ + pieceCorner_)) - board;
    const QPoint pictureCorner = devicePixel(pieceCorner_) - pieceInPicture;

    const QRect exposed = toDevice.mapRect(QRectF(event->rect())).toAlignedRect();
    const QRect drawn = exposed & QRect(pictureCorner, picture_.size());
    if (drawn.isEmpty())
        return;
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform()); // draw in device pixels
    painter.drawPixmap(QRectF(drawn), picture_, QRectF(drawn.translated(-pictureCorner)));
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed(index_);
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit released(index_);
}

} // namespace surabe
