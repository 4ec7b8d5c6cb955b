// Writes the program icon: the flask with atom orbits as an SVG file and as
// PNG files of the usual theme sizes for Linux desktops, and as one
// multi-size .ico for Windows, all from the same drawing the program uses:
//     make_icons <folder> <name>

#include "resources/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QtEndian>
#include <cstdio>
#include <vector>

using namespace vielnis::pictures;

namespace {

QImage drawnIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(Picture::FlaskAtom, painter, QRectF(0, 0, size, size));
    return image;
}

void append16(QByteArray &out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void append32(QByteArray &out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

// One image of an .ico: the 256-pixel one as PNG (as Windows itself stores
// it), the smaller ones as 32-bit bitmaps with their transparency mask,
// which every part of Windows and of the installer reads.
QByteArray icoImage(const QImage &drawn) {
    const int size = drawn.width();
    if (size >= 256) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawn.save(&buffer, "PNG");
        return png;
    }
    const QImage pixels = drawn.convertToFormat(QImage::Format_ARGB32);
    QByteArray out;
    append32(out, 40);       // BITMAPINFOHEADER
    append32(out, size);     // width
    append32(out, size * 2); // height of colour and mask together
    append16(out, 1);        // planes
    append16(out, 32);       // bits per pixel
    append32(out, 0);        // BI_RGB
    append32(out, 0);
    append32(out, 0);
    append32(out, 0);
    append32(out, 0);
    append32(out, 0);
    for (int y = size - 1; y >= 0; --y) // bottom-up, BGRA
        for (int x = 0; x < size; ++x)
            append32(out, pixels.pixel(x, y));
    const int maskRowBytes = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(pixels.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

bool writeIco(const QString &file, const std::vector<int> &sizes) {
    std::vector<QByteArray> images;
    for (int size : sizes)
        images.push_back(icoImage(drawnIcon(size)));
    QByteArray out;
    append16(out, 0); // reserved
    append16(out, 1); // an icon
    append16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        out.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        append16(out, 1);  // planes
        append16(out, 32); // bits per pixel
        append32(out, quint32(images[i].size()));
        append32(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        out.append(image);
    QFile ico(file);
    return ico.open(QIODevice::WriteOnly) && ico.write(out) == out.size();
}

} // namespace

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

    const std::vector<int> sizes{16, 24, 32, 48, 64, 128, 256};
    for (int size : sizes) {
        const QImage image = drawnIcon(size);
        const QString file = folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString ico = folder.filePath(name + QStringLiteral(".ico"));
    if (!writeIco(ico, sizes)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico));
        return 1;
    }
    return 0;
}
