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
    const QPixmap &Picture() const { return picture_; }

    // Where this image's own piece stands in the picture and so in the image (the corner of
    // the box that shows it), and where the board's corner stands in `container`, an ancestor;
    // logical pixels. The preview is a board of its own, its piece at (0, 0).
    void SetPiece(QPoint pieceCorner, const QWidget *container, QPoint boardCorner);

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
    QPoint pieceCorner_;
    const QWidget *container_ = nullptr;
    QPoint boardCorner_;
};

} // namespace surabe
