// The design's colours put on widgets: a window or label's two colours, and the black-on-white boxes and lists.
#pragma once

#include <QColor>

class QWidget;

namespace surabe {

inline const QColor kLightGrey(192, 192, 192);

// Background and text colour of a window, a label or a tile box, filled behind its children.
void PaintColours(QWidget *widget, const QColor &background, const QColor &text);

// Black text on white: every text box and list of the dialogs.
void PaintBlackOnWhite(QWidget *box);

} // namespace surabe
