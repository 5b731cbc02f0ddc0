// The picture of a game: decoded once from its file, scaled once to the board, or numbered tiles when it cannot be read.
#pragma once

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

// A stand-in picture: an N×N grid with each piece's tile number, so a board stays playable.
QPixmap NumberedBoard(int boardSize, QSize size, qreal devicePixelRatio);

} // namespace surabe
