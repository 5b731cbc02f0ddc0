// The design's colours put on widgets: a window or label's two colours, and the black-on-white boxes and lists.
#include "Colours.h"

#include <QPalette>
#include <QWidget>

namespace surabe {

void PaintColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PaintBlackOnWhite(QWidget *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

} // namespace surabe
