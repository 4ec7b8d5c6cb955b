// Writes the program icon for the desktop: the flask with atom orbits as an
// SVG file and as PNG files of the usual theme sizes, from the same drawing
// the program uses:
//     make_icons <folder> <name>

#include "resources/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

using namespace vielnis::pictures;

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <folder> <name>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);

    QSvgGenerator svg;
    svg.setFileName(folder.filePath(name + QStringLiteral(".svg")));
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Vielnis"));
    {
        QPainter painter(&svg);
        draw(Picture::FlaskAtom, painter, QRectF(0, 0, 32, 32));
    }

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            draw(Picture::FlaskAtom, painter, QRectF(0, 0, size, size));
        }
        const QString file = folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
