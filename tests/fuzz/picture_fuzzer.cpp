// Fuzzes reading a picture: the header checks, the decode and the scaling to a 7×7 board.
#include "BoardPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Made once and never destroyed: libFuzzer leaves through exit(), after Qt's own statics are gone.
QTemporaryDir *folder = nullptr;

void Fail(const char *why)
{
    std::fprintf(stderr, "picture: %s\n", why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    folder = new QTemporaryDir;
    std::atexit([] { folder->remove(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    using namespace surabe;
    const QString path = folder->filePath(QStringLiteral("picture.bmp"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            Fail("cannot write the input to a file");
    }
    const DecodedPicture decoded = DecodePicture(path);
    if (decoded.image.isNull() == decoded.problem.isEmpty())
        Fail("a picture both read and refused, or neither");
    if (decoded.image.isNull())
        return 0;

    const QImage &image = decoded.image;
    if (image.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < image.height(); ++y) {
            const uchar *row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                if (row[x] >= image.colorCount())
                    Fail("a palette index past the colour table");
        }
    }
    if (ScaleToBoard(image, QSize(7 * 40, 7 * 40), 1.0).size() != QSize(280, 280))
        Fail("the board picture has the wrong size");
    return 0;
}
