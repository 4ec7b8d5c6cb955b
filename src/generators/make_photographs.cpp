// Writes the bubble photographs, in both sizes, at the plain resolution as
// the files the program embeds: raw 32-bit pixels (name.rgb32). The denser
// copies the program shades itself, with the same code, when it needs them.
//     make_photographs <folder>

#include "resources/photograph.h"

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
    }
    return 0;
}
