// Writes the fuzzers' seed corpora: settings files, typed numbers, and pictures of every depth
// and compression, valid and slightly broken.
#include "BitmapFixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

using namespace surabe::fixtures;

namespace {

void Write(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray Encoded(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage Gradient(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xff));
    return image.convertToFormat(format);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);

    const QString settings = root + QStringLiteral("/settings");
    Write(settings, QStringLiteral("written"),
          "29999\r\n120\r\n29999\r\n-5\r\n29999\r\n\"\x81\x48\x81\x48\x81\x48\x81\x48\x81\x48\x81\x48\x81\x48\x81\x48\"\r\n"
          "\"\x8e\x52\x93\x63\"\r\n\"\xc0\xdb\xb3\"\r\n\"a,b\"\r\n\"\"\r\n600\r\n120\r\n-15\r\n3\r\n");
    Write(settings, QStringLiteral("bare-and-commas"), "1,2,3,4,5,ab,\"c d\" x,e\"f,,g\n700,97,97,5");
    Write(settings, QStringLiteral("broken"), "32768\r\n-32769\r\n1.5\r\n\"x\r\n\"\x81\x20\"\r\n\"never closed");

    const QString numbers = root + QStringLiteral("/number");
    const char *typed[] = {"120", "-15", "2.5", "1e2", " +7x", "1e-400", "1e999", ".5", "32767.5", "abc"};
    int count = 0;
    for (const char *text : typed)
        Write(numbers, QString::number(++count), text);
    Write(numbers, QStringLiteral("full-width"), QStringLiteral("１２０．５ｅ１").toUtf8());

    const QString pictures = root + QStringLiteral("/picture");
    Write(pictures, QStringLiteral("rgb32.bmp"), Encoded(Gradient(9, 7, QImage::Format_RGB32)));
    Write(pictures, QStringLiteral("argb32.bmp"), Encoded(Gradient(5, 3, QImage::Format_ARGB32)));
    Write(pictures, QStringLiteral("indexed8.bmp"), Encoded(Gradient(11, 5, QImage::Format_Indexed8)));
    Write(pictures, QStringLiteral("mono.bmp"), Encoded(Gradient(13, 4, QImage::Format_Mono)));
    Write(pictures, QStringLiteral("rgb24.bmp"), TrueColourBitmap(5, 6));
    Write(pictures, QStringLiteral("rgb24-top-down.bmp"), TrueColourBitmap(5, 6, true));
    Write(pictures, QStringLiteral("rgb24-cut.bmp"), TrueColourBitmap(5, 6).chopped(20));
    QByteArray fourBits;
    for (int row = 0; row < 3; ++row)
        fourBits += QByteArray::fromHex("01234560");
    Write(pictures, QStringLiteral("indexed4.bmp"), BitmapFile(7, 3, 4, kRgb, Palette(7), fourBits));
    QByteArray sixteen;
    for (int i = 0; i < 4 * 2; ++i)
        sixteen += QByteArray::fromHex("1f7ce003");
    Write(pictures, QStringLiteral("rgb16.bmp"), BitmapFile(4, 4, 16, kRgb, {}, sixteen));
    Write(pictures, QStringLiteral("rle8.bmp"),
          BitmapFile(16, 8, 8, kRle8, Palette(4), QByteArray::fromHex("0401000205020203000003010001")));
    Write(pictures, QStringLiteral("rle4.bmp"),
          BitmapFile(12, 4, 4, kRle4, Palette(12), QByteArray::fromHex("0c1200000005012340000cba00000001")));
    Write(pictures, QStringLiteral("rle4-ends-early.bmp"),
          BitmapFile(127, 64, 4, kRle4, Palette(12), QByteArray::fromHex("7fdd00000a12")));
    return 0;
}
