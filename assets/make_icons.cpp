// Writes the game's icon as the PNG sizes a desktop's icon theme asks for.
#include "AppIcon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("surabe-%1.png").arg(side);
        if (!surabe::DrawAppIcon(side).save(folder.filePath(name), "PNG"))
            return 1;
    }
    return 0;
}
