// The game's icon: a light-grey raised square, like a button, with the outline of a triangle pointing right.
#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace surabe {

QImage DrawAppIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const qreal unit = side / 32.0; // the design is drawn on a 32-pixel grid
    const QRectF face(0, 0, side, side);
    painter.fillRect(face, QColor(192, 192, 192));

    // Raised edges: white above and left, grey and black below and right.
    const qreal edge = qMax<qreal>(1.0, unit);
    painter.fillRect(QRectF(0, 0, side, edge), Qt::white);
    painter.fillRect(QRectF(0, 0, edge, side), Qt::white);
    painter.fillRect(QRectF(0, side - edge, side, edge), Qt::black);
    painter.fillRect(QRectF(side - edge, 0, edge, side), Qt::black);
    if (side >= 24) {
        painter.fillRect(QRectF(edge, side - 2 * edge, side - 2 * edge, edge), QColor(128, 128, 128));
        painter.fillRect(QRectF(side - 2 * edge, edge, edge, side - 2 * edge), QColor(128, 128, 128));
    }

    painter.setRenderHint(QPainter::Antialiasing, side > 32);
    QPen outline(Qt::black, qMax<qreal>(1.0, 2 * unit));
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    const QPolygonF triangle({QPointF(10 * unit, 7 * unit), QPointF(24 * unit, 16 * unit), QPointF(10 * unit, 25 * unit)});
    painter.drawPolygon(triangle);
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(DrawAppIcon(16)));
    icon.addPixmap(QPixmap::fromImage(DrawAppIcon(32)));
    return icon;
}

} // namespace surabe
