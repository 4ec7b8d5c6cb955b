// Writes the bubble photographs, in both sizes and at one and two times the
// resolution, as the JPEG files the program embeds:
//     make_photographs <folder>

#include "resources/photograph.h"

#include <QDir>
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
        for (int scale : {1, 2}) {
            const QImage image = photograph(output.picture, logicalSize(output.picture) * scale);
            const QString file =
                folder.filePath(QStringLiteral("%1%2.jpg")
                                    .arg(QLatin1String(output.name),
                                         scale == 2 ? QStringLiteral("@2x") : QString()));
            if (!image.save(file, "JPEG", 90)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
