// Writes the bubble photographs, in both sizes, as the files the program
// embeds: at the plain resolution as raw 32-bit pixels (name.rgb32), at the
// multiples of kDensePhotographScales as JPEG (name@2x.jpg, ...):
//     make_photographs <folder>

#include "generators/photograph.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

using namespace vielnis::pictures;

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_photographs <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    struct Output {
        Picture picture;
        const char *name;
    };
    for (const Output &output :
         {Output{Picture::Bubbles, "bubbles"}, Output{Picture::BubblesLarge, "bubbles-large"}}) {
        const QImage plain = photograph(output.picture, logicalSize(output.picture))
                                 .convertToFormat(QImage::Format_RGB32);
        QFile raw(folder.filePath(QStringLiteral("%1.rgb32").arg(QLatin1String(output.name))));
        if (!raw.open(QIODevice::WriteOnly) ||
            raw.write(reinterpret_cast<const char *>(plain.constBits()), plain.sizeInBytes()) !=
                plain.sizeInBytes()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(raw.fileName()));
            return 1;
        }
        for (int scale : kDensePhotographScales) {
            const QImage dense = photograph(output.picture, logicalSize(output.picture) * scale);
            const QString jpeg = folder.filePath(
                QStringLiteral("%1@%2x.jpg").arg(QLatin1String(output.name)).arg(scale));
            // The denser the copy, the smaller each pixel on the screen: from
            // three times on, a lower quality costs nothing visible and keeps
            // the program (the Windows download above all) small.
            if (!dense.save(jpeg, "JPEG", scale >= 3 ? 75 : 90)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(jpeg));
                return 1;
            }
        }
    }
    return 0;
}
