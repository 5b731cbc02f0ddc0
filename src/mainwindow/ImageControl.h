// An image control: shows its share of the one board picture and reports mouse presses with its index.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace surabe {

class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const char *objectName, int index, QWidget *parent);

    // The picture is already scaled to the board's size; every image shares the same
    // pixmap and paints it unscaled, so the tiles and the preview show identical pixels.
    void SetPicture(const QPixmap &picture);
    int Index() const { return index_; }

signals:
    void pressed(int index);
    void released(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    QPixmap picture_;
};

} // namespace surabe
