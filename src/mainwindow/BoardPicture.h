// The picture of a game: decoded once from its file, scaled once to the board, or numbered tiles when it cannot be read.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace surabe {

struct DecodedPicture {
    QImage image;    // null when the file could not be read
    QString problem; // why, in Japanese, for the player
};

DecodedPicture DecodePicture(const QString &path);

// The picture stretched to `size` logical pixels at the given device pixel ratio.
QPixmap ScaleToBoard(const QImage &image, QSize size, qreal devicePixelRatio);

// The picture a board shows, kept while nothing it was made from changes: the file (its path,
// size and times), the board's size in pixels and the display's scale. A new game with the same
// picture then costs no decode; a changed or replaced file is read again, and one that could not
// be read is tried again every time.
class BoardPictureCache {
public:
    struct Picture {
        QPixmap pixmap;  // the picture scaled to the board, or numbered tiles
        QString problem; // why the file could not be shown, in Japanese; empty when it was
    };
    Picture Get(const QString &path, int boardSize, QSize size, qreal devicePixelRatio);

private:
    struct Key {
        QString path;
        qint64 fileSize = -1;
        QDateTime modified;
        QDateTime changed;
        QSize size;
        qreal devicePixelRatio = 0;
        bool operator==(const Key &) const = default;
    };
    Key key_;
    QPixmap pixmap_; // null while nothing is kept
};

// A stand-in picture: an N×N grid with each piece's tile number, so a board stays playable.
QPixmap NumberedBoard(int boardSize, QSize size, qreal devicePixelRatio);

} // namespace surabe
