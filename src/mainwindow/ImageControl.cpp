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

void ImageControl::paintEvent(QPaintEvent *event)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // Only the exposed part: a tile box shows one square of a board-sized image.
    const QRect area = event->rect();
    const qreal ratio = picture_.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawPixmap(QRectF(area), picture_, source);
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
