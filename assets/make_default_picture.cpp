// Paints the shipped default picture "auto.bmp": a Japanese landscape with something different in every part.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int kSide = 672; // 96 pixels a piece on the 7×7 board

void Sky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 330);
    sky.setColorAt(0.0, QColor(18, 40, 110));
    sky.setColorAt(0.45, QColor(70, 130, 210));
    sky.setColorAt(0.8, QColor(250, 190, 120));
    sky.setColorAt(1.0, QColor(255, 150, 90));
    p.fillRect(0, 0, kSide, 420, sky);

    // Stars fade out towards the horizon.
    std::mt19937 random(7);
    for (int i = 0; i < 60; ++i) {
        const int x = random() % kSide;
        const int y = random() % 120;
        p.setPen(QColor(255, 255, 230, 255 - y * 2));
        p.drawPoint(x, y);
        p.drawPoint(x + 1, y);
    }
    // A crescent moon at the top left.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 245, 200));
    p.drawEllipse(QPointF(60, 52), 30, 30);
    p.setBrush(QColor(26, 50, 122));
    p.drawEllipse(QPointF(74, 44), 27, 27);
}

void Sun(QPainter &p)
{
    QRadialGradient glow(QPointF(520, 250), 120);
    glow.setColorAt(0.0, QColor(255, 240, 170, 255));
    glow.setColorAt(0.3, QColor(255, 170, 80, 200));
    glow.setColorAt(1.0, QColor(255, 120, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(520, 250), 120, 120);
    p.setBrush(QColor(230, 40, 40));
    p.drawEllipse(QPointF(520, 250), 44, 44);
}

void Rainbow(QPainter &p)
{
    const QColor bands[] = {{230, 50, 50}, {240, 140, 40}, {240, 220, 60}, {80, 190, 80}, {60, 120, 230}, {130, 70, 200}};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        QColor c = bands[i];
        c.setAlpha(150);
        p.setPen(QPen(c, 7));
        const int r = 230 - i * 7;
        p.drawArc(QRectF(120 - r, 330 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
}

void Cloud(QPainter &p, QPointF at, qreal scale, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, 34 * scale, 18 * scale);
    p.drawEllipse(at + QPointF(-26, 6) * scale, 22 * scale, 14 * scale);
    p.drawEllipse(at + QPointF(28, 5) * scale, 24 * scale, 15 * scale);
    p.drawEllipse(at + QPointF(4, -12) * scale, 20 * scale, 16 * scale);
}

void Balloon(QPainter &p, QPointF at, QColor a, QColor b)
{
    p.setPen(QPen(QColor(60, 40, 30), 1));
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 2 ? a : b);
        p.drawPie(QRectF(at.x() - 22, at.y() - 26, 44, 52), (90 + i * 30) * 16, 30 * 16);
        p.drawPie(QRectF(at.x() - 22, at.y() - 26, 44, 52), (270 + i * 30) * 16, 30 * 16);
    }
    p.drawLine(at + QPointF(-10, 24), at + QPointF(-6, 40));
    p.drawLine(at + QPointF(10, 24), at + QPointF(6, 40));
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(QRectF(at.x() - 7, at.y() + 40, 14, 10));
}

void Birds(QPainter &p)
{
    p.setPen(QPen(QColor(30, 30, 40), 2));
    const QPointF flock[] = {{300, 90}, {322, 104}, {345, 86}, {280, 120}, {600, 140}, {620, 120}};
    for (const QPointF &b : flock) {
        QPainterPath wing;
        wing.moveTo(b + QPointF(-9, 0));
        wing.quadTo(b + QPointF(-4, -6), b);
        wing.quadTo(b + QPointF(4, -6), b + QPointF(9, 0));
        p.drawPath(wing);
    }
}

void Mountains(QPainter &p)
{
    // Far range in violet, then the snow-capped peak.
    QPainterPath far;
    far.moveTo(0, 420);
    for (int x = 0; x <= kSide; x += 24)
        far.lineTo(x, 300 - 30 * std::sin(x / 50.0) - 15 * std::sin(x / 17.0));
    far.lineTo(kSide, 420);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 100, 160));
    p.drawPath(far);

    QPainterPath fuji;
    fuji.moveTo(160, 370);
    fuji.lineTo(310, 170);
    fuji.lineTo(360, 170);
    fuji.lineTo(520, 370);
    p.setBrush(QColor(70, 90, 150));
    p.drawPath(fuji);
    QPainterPath snow;
    snow.moveTo(310, 170);
    snow.lineTo(360, 170);
    snow.lineTo(395, 215);
    snow.lineTo(375, 205);
    snow.lineTo(355, 225);
    snow.lineTo(335, 205);
    snow.lineTo(315, 222);
    snow.lineTo(295, 203);
    snow.lineTo(276, 215);
    snow.closeSubpath();
    p.setBrush(QColor(250, 250, 255));
    p.drawPath(snow);
}

void Hills(QPainter &p)
{
    QLinearGradient green(0, 320, 0, 420);
    green.setColorAt(0, QColor(90, 160, 70));
    green.setColorAt(1, QColor(40, 110, 50));
    QPainterPath hills;
    hills.moveTo(0, 420);
    hills.lineTo(0, 340);
    hills.cubicTo(120, 300, 220, 360, 330, 340);
    hills.cubicTo(440, 320, 560, 350, kSide, 330);
    hills.lineTo(kSide, 420);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(hills);
}

void Pagoda(QPainter &p, QPointF base)
{
    for (int level = 0; level < 5; ++level) {
        const qreal w = 50 - level * 7;
        const qreal y = base.y() - level * 24;
        p.setBrush(QColor(170, 40, 30));
        p.drawRect(QRectF(base.x() - w / 3, y - 16, 2 * w / 3, 16));
        QPainterPath roof;
        roof.moveTo(base.x() - w, y - 14);
        roof.lineTo(base.x() + w, y - 14);
        roof.lineTo(base.x() + w * 0.6, y - 26);
        roof.lineTo(base.x() - w * 0.6, y - 26);
        roof.closeSubpath();
        p.setBrush(QColor(40, 40, 50));
        p.drawPath(roof);
    }
    p.setPen(QPen(QColor(200, 170, 60), 3));
    p.drawLine(base + QPointF(0, -146), base + QPointF(0, -126));
    p.setPen(Qt::NoPen);
}

void Tree(QPainter &p, QPointF base, qreal size, QColor blossom)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(base.x() - size * 0.12, base.y() - size, size * 0.24, size));
    p.setBrush(blossom);
    p.drawEllipse(base + QPointF(0, -size * 1.1), size * 0.6, size * 0.45);
    p.setBrush(blossom.lighter(115));
    p.drawEllipse(base + QPointF(-size * 0.35, -size * 0.9), size * 0.4, size * 0.3);
    p.drawEllipse(base + QPointF(size * 0.38, -size * 0.92), size * 0.4, size * 0.32);
}

void Torii(QPainter &p, QPointF base)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 50, 30));
    p.drawRect(QRectF(base.x() - 40, base.y() - 80, 9, 80));
    p.drawRect(QRectF(base.x() + 31, base.y() - 80, 9, 80));
    p.drawRect(QRectF(base.x() - 50, base.y() - 70, 100, 8));
    p.setBrush(QColor(30, 30, 30));
    QPainterPath top;
    top.moveTo(base.x() - 62, base.y() - 92);
    top.quadTo(base.x(), base.y() - 84, base.x() + 62, base.y() - 92);
    top.lineTo(base.x() + 58, base.y() - 82);
    top.lineTo(base.x() - 58, base.y() - 82);
    top.closeSubpath();
    p.drawPath(top);
}

void Lake(QPainter &p)
{
    QLinearGradient water(0, 420, 0, 540);
    water.setColorAt(0, QColor(60, 140, 190));
    water.setColorAt(1, QColor(20, 70, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawRect(0, 410, kSide, 130);
    // Ripples and the sun's reflection.
    for (int i = 0; i < 14; ++i) {
        p.setPen(QPen(QColor(255, 200, 130, 180), 3));
        const int y = 420 + i * 8;
        p.drawLine(500 - 40 + i * 2, y, 540 - i * 2, y);
        p.setPen(QPen(QColor(200, 230, 255, 120), 1));
        p.drawLine(30 + (i * 53) % 400, y + 3, 70 + (i * 53) % 400, y + 3);
    }
    // A boat with a sail.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 70, 30));
    QPainterPath hull;
    hull.moveTo(150, 470);
    hull.lineTo(230, 470);
    hull.lineTo(215, 488);
    hull.lineTo(165, 488);
    hull.closeSubpath();
    p.drawPath(hull);
    p.setBrush(QColor(250, 250, 240));
    QPainterPath sail;
    sail.moveTo(190, 466);
    sail.lineTo(190, 410);
    sail.lineTo(225, 466);
    sail.closeSubpath();
    p.drawPath(sail);
    // A duck family.
    for (int i = 0; i < 3; ++i) {
        const QPointF d(340 + i * 28, 505 + i * 4);
        p.setBrush(i == 0 ? QColor(110, 80, 50) : QColor(230, 200, 60));
        p.drawEllipse(d, 11 - i * 2, 6 - i);
        p.drawEllipse(d + QPointF(8 - i, -6 + i), 5 - i, 5 - i);
    }
}

void Meadow(QPainter &p)
{
    QLinearGradient grass(0, 540, 0, kSide);
    grass.setColorAt(0, QColor(110, 170, 60));
    grass.setColorAt(1, QColor(50, 120, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawRect(0, 535, kSide, kSide - 535);
    // A winding path.
    QPainterPath road;
    road.moveTo(250, kSide);
    road.cubicTo(300, 620, 230, 580, 300, 540);
    road.lineTo(330, 540);
    road.cubicTo(280, 590, 360, 620, 330, kSide);
    road.closeSubpath();
    p.setBrush(QColor(200, 170, 120));
    p.drawPath(road);
    // Flowers of many colours, denser at the front.
    std::mt19937 random(11);
    const QColor petals[] = {{240, 60, 80}, {250, 220, 50}, {255, 255, 255}, {180, 90, 220}, {255, 140, 30}, {90, 150, 250}};
    for (int i = 0; i < 260; ++i) {
        const int x = random() % kSide;
        const int y = 545 + static_cast<int>(random() % (kSide - 548));
        if (x > 240 && x < 345 && y > 540)
            continue; // keep the path clear
        const qreal r = 2 + (y - 540) / 40.0;
        p.setBrush(petals[random() % 6]);
        p.drawEllipse(QPointF(x, y), r, r);
        p.setBrush(QColor(250, 230, 120));
        p.drawEllipse(QPointF(x, y), r / 3, r / 3);
    }
    // A fence on the right and a lantern on the left.
    p.setBrush(QColor(140, 100, 60));
    for (int x = 470; x < kSide; x += 26)
        p.drawRect(x, 585, 7, 60);
    p.drawRect(460, 595, kSide - 460, 6);
    p.drawRect(460, 620, kSide - 460, 6);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(60, 600, 16, 60);
    p.drawRect(44, 580, 48, 22);
    p.setBrush(QColor(255, 210, 90));
    p.drawRect(54, 584, 28, 14);
    p.setBrush(QColor(90, 90, 90));
    QPainterPath cap;
    cap.moveTo(36, 580);
    cap.lineTo(68, 560);
    cap.lineTo(100, 580);
    cap.closeSubpath();
    p.drawPath(cap);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    QImage image(kSide, kSide, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Sky(p);
    Rainbow(p);
    Sun(p);
    Cloud(p, {200, 70}, 1.2, QColor(255, 255, 255, 220));
    Cloud(p, {470, 60}, 0.9, QColor(255, 220, 230, 220));
    Cloud(p, {610, 200}, 0.8, QColor(255, 235, 200, 230));
    Balloon(p, {110, 170}, QColor(230, 60, 60), QColor(250, 220, 60));
    Balloon(p, {420, 120}, QColor(60, 180, 90), QColor(250, 250, 250));
    Birds(p);
    Mountains(p);
    Hills(p);
    Pagoda(p, {560, 400});
    Torii(p, {100, 410});
    Tree(p, {250, 400}, 38, QColor(250, 170, 200));
    Tree(p, {440, 395}, 30, QColor(60, 140, 60));
    Tree(p, {640, 410}, 34, QColor(250, 190, 210));
    Lake(p);
    Meadow(p);
    p.end();
    // 24 bits a pixel: the writer drops the unused alpha byte of an RGB32 image.
    return image.save(QString::fromLocal8Bit(argv[1]), "BMP") ? 0 : 1;
}
