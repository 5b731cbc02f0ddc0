// The game's icon: a light-grey raised square, like a button, with the outline of a triangle pointing right.
#pragma once

#include <QIcon>
#include <QImage>

namespace surabe {

QImage DrawAppIcon(int side);
QIcon AppIcon(); // 16 and 32 pixels

} // namespace surabe
