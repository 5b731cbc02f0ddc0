// Reading a picture file: cut-off and lying headers, run-length streams that end early, scaling to the board.
#include "BitmapFixtures.h"
#include "BoardPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace surabe {

using namespace fixtures;

namespace {

DecodedPicture DecodeBytes(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test picture");
    file.close();
    return DecodePicture(path);
}

// Every pixel of the picture as the board shows it, at its own size.
QImage AsShown(const QImage &decoded)
{
    return ScaleToBoard(decoded, decoded.size(), 1.0).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void headersThatPromiseMoreThanTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem"); // empty when the picture reads whole

        const QByteArray bottomUp = TrueColourBitmap(5, 6);
        const QByteArray topDown = TrueColourBitmap(5, 6, true);
        QTest::newRow("whole") << bottomUp << QString();
        QTest::newRow("whole, top-down") << topDown << QString();
        // A row of five 24-bit pixels is 15 bytes and one byte of padding.
        QTest::newRow("last row lacks only its padding") << bottomUp.chopped(1) << QString();
        QTest::newRow("top-down, last row lacks only its padding") << topDown.chopped(1) << QString();
        QTest::newRow("last row lacks a pixel byte") << bottomUp.chopped(2) << QStringLiteral("途中で切れて");
        QTest::newRow("cut to half") << bottomUp.left(bottomUp.size() / 2) << QStringLiteral("途中で切れて");
        QTest::newRow("top-down, cut to half") << topDown.left(topDown.size() / 2) << QStringLiteral("途中で切れて");

        // Header fields at their extremes must not overflow the arithmetic of the check.
        QByteArray widest = TrueColourBitmap(1, 1);
        PatchLittleEndian(widest, 18, 0x7fffffff, 4);
        PatchLittleEndian(widest, 28, 32, 2);
        PatchLittleEndian(widest, 22, 0x80000000, 4); // height -2^31: top-down
        QTest::newRow("2^31-1 wide, 2^31 rows") << widest << QStringLiteral("途中で切れて");
        QByteArray depth = TrueColourBitmap(1, 1).left(34);
        PatchLittleEndian(depth, 18, 0x7fffffff, 4);
        PatchLittleEndian(depth, 22, 0x7fffffff, 4);
        PatchLittleEndian(depth, 28, 65535, 2);
        QTest::newRow("65535 bits a pixel, 34 bytes") << depth << QStringLiteral("ビットマップとして読めません");
        QByteArray twoBits = TrueColourBitmap(4, 4);
        PatchLittleEndian(twoBits, 28, 2, 2);
        QTest::newRow("2 bits a pixel") << twoBits << QStringLiteral("ビットマップとして読めません");
        QByteArray infoSize = TrueColourBitmap(4, 4);
        PatchLittleEndian(infoSize, 14, 0xffffffff, 4);
        PatchLittleEndian(infoSize, 18, 0x7fffffff, 4);
        QTest::newRow("info header of 2^32-1 bytes") << infoSize << QStringLiteral("ビットマップとして読めません");
    }

    void headersThatPromiseMoreThanTheFileHolds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const DecodedPicture decoded = DecodeBytes(bytes);
        if (problem.isEmpty()) {
            QVERIFY2(decoded.problem.isEmpty(), qPrintable(decoded.problem));
            QCOMPARE(decoded.image.size(), QSize(5, 6));
            // The last row read is whole: its last pixel has its own colour, not black.
            const QImage shown = AsShown(decoded.image);
            const bool topDown = QTest::currentDataTag() && QByteArray(QTest::currentDataTag()).startsWith("top-down");
            const int lastRow = topDown ? 5 : 0; // the file's last row
            QCOMPARE(shown.pixel(4, lastRow), qRgb(4, lastRow, 4 ^ lastRow));
            QCOMPARE(shown.pixel(2, 3), qRgb(2, 3, 2 ^ 3));
        } else {
            QVERIFY2(decoded.problem.contains(problem), qPrintable(decoded.problem));
            QVERIFY(decoded.image.isNull());
        }
    }

    void runLengthStreamsThatEndEarlyShowPaletteEntryZero_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colours"); // in the file's table
        QTest::addColumn<QList<QPoint>>("reached"); // the pixels the stream sets, with their index
        QTest::addColumn<QList<int>>("indexes");

        // 127 × 64, 4 bits a pixel, 12 colours: the bottom row in colour 13 (past the table),
        // ten pixels of the next row alternating 1 and 2, then the file ends.
        QByteArray rle4;
        rle4 += char(127), rle4 += char(0xdd);
        rle4 += char(0), rle4 += char(0);
        rle4 += char(10), rle4 += char(0x12);
        QList<QPoint> reached4;
        QList<int> indexes4;
        for (int x = 0; x < 127; ++x)
            reached4 << QPoint(x, 63), indexes4 << 13;
        for (int x = 0; x < 10; ++x)
            reached4 << QPoint(x, 62), indexes4 << (x % 2 ? 2 : 1);
        QTest::newRow("4-bit, stream ends") << BitmapFile(127, 64, 4, kRle4, Palette(12), rle4) << QSize(127, 64)
                                            << 12 << reached4 << indexes4;

        // 16 × 8, 8 bits a pixel, 4 colours: four pixels, a jump of 5 right and 3 up, two more,
        // and the end-of-picture mark long before the last row.
        QByteArray rle8;
        rle8 += char(4), rle8 += char(1);
        rle8 += char(0), rle8 += char(2), rle8 += char(5), rle8 += char(3);
        rle8 += char(2), rle8 += char(3);
        rle8 += char(0), rle8 += char(1);
        QList<QPoint> reached8{{0, 7}, {1, 7}, {2, 7}, {3, 7}, {9, 4}, {10, 4}};
        QList<int> indexes8{1, 1, 1, 1, 3, 3};
        QTest::newRow("8-bit, jump and early end") << BitmapFile(16, 8, 8, kRle8, Palette(4), rle8) << QSize(16, 8)
                                                   << 4 << reached8 << indexes8;
    }

    void runLengthStreamsThatEndEarlyShowPaletteEntryZero()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(int, colours);
        QFETCH(QList<QPoint>, reached);
        QFETCH(QList<int>, indexes);
        const DecodedPicture decoded = DecodeBytes(bytes);
        QVERIFY2(decoded.problem.isEmpty(), qPrintable(decoded.problem)); // still shown
        QCOMPARE(decoded.image.size(), size);

        // Every index lies inside the colour table, and what the board shows is defined:
        // reached pixels in their colour (past the table: entry 0), the rest in entry 0.
        const QList<QRgb> palette = decoded.image.colorTable();
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                QVERIFY(decoded.image.pixelIndex(x, y) < palette.size());
        const QList<QRgb> fileColours = Palette(colours);
        const QImage shown = AsShown(decoded.image);
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(fileColours[0]);
        for (qsizetype i = 0; i < reached.size(); ++i) {
            const int index = indexes[i];
            expected.setPixel(reached[i], index < fileColours.size() ? fileColours[index] : fileColours[0]);
        }
        QCOMPARE(shown, expected);
    }

    // The board's picture is made once while nothing it comes from changes.
    void aPictureIsReadAgainOnlyWhenSomethingChanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("auto.bmp"));
        auto write = [&path](const QByteArray &bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write(bytes), qint64(bytes.size()));
        };
        auto colourOf = [](const QPixmap &pixmap) { return pixmap.toImage().pixel(0, 0); };
        const QByteArray red = BitmapFile(2, 2, 24, kRgb, {}, QByteArray::fromHex("0000ff0000ff0000" "0000ff0000ff0000"));
        const QByteArray blue = BitmapFile(2, 2, 24, kRgb, {}, QByteArray::fromHex("ff0000ff00000000" "ff0000ff00000000"));
        BoardPictureCache cache;
        write(red);
        const BoardPictureCache::Picture first = cache.Get(path, 3, QSize(30, 30), 1.0);
        QVERIFY(first.problem.isEmpty());
        QCOMPARE(colourOf(first.pixmap), qRgb(255, 0, 0));

        // The same file, board and scale: the very same pixmap, no decode.
        QCOMPARE(cache.Get(path, 3, QSize(30, 30), 1.0).pixmap.cacheKey(), first.pixmap.cacheKey());
        // Another board size or scale: made anew.
        QCOMPARE(cache.Get(path, 4, QSize(40, 40), 1.0).pixmap.size(), QSize(40, 40));
        QCOMPARE(cache.Get(path, 3, QSize(30, 30), 2.0).pixmap.size(), QSize(60, 60));

        // The file replaced by another of the same size, even with its old modification time.
        // The file system's change time tells; it moves in ticks of a few milliseconds, so the
        // replacement waits for the next tick (a player is never that fast).
        const QDateTime modified = QFileInfo(path).lastModified();
        const QDateTime changed = QFileInfo(path).metadataChangeTime();
        cache.Get(path, 3, QSize(30, 30), 1.0);
        const QString probe = dir.filePath(QStringLiteral("probe"));
        QVERIFY(QTest::qWaitFor(
            [&] {
                QFile touched(probe);
                return touched.open(QIODevice::WriteOnly) && touched.write("x") == 1 &&
                       (touched.close(), QFileInfo(probe).metadataChangeTime() > changed);
            },
            5000));
        write(blue);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        QCOMPARE(colourOf(cache.Get(path, 3, QSize(30, 30), 1.0).pixmap), qRgb(0, 0, 255));

        // A file that cannot be read is tried again at the next game.
        write("not a picture");
        QVERIFY(!cache.Get(path, 3, QSize(30, 30), 1.0).problem.isEmpty());
        write(red);
        const BoardPictureCache::Picture mended = cache.Get(path, 3, QSize(30, 30), 1.0);
        QVERIFY(mended.problem.isEmpty());
        QCOMPARE(colourOf(mended.pixmap), qRgb(255, 0, 0));
        // And a file that is gone is not shown from memory.
        QVERIFY(QFile::remove(path));
        QVERIFY(cache.Get(path, 3, QSize(30, 30), 1.0).problem.contains(QStringLiteral("見つかりません")));
    }
};

} // namespace surabe

QTEST_MAIN(surabe::PictureTest)
#include "picture_test.moc"
