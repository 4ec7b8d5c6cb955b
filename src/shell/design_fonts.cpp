#include "shell/design_fonts.h"

#include "resources/embedded.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace vielnis {

namespace {

QString serifFamily = QStringLiteral("Liberation Serif");
QString heavyFamily = QStringLiteral("Lato Black");

QString registerFont(const QString &path) {
    // The font files are stored uncompressed, so they are handed over where
    // they lie in the program instead of being copied.
    const QResource file(path);
    const int id = file.compressionAlgorithm() == QResource::NoCompression
                       ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                             reinterpret_cast<const char *>(file.data()), qsizetype(file.size())))
                       : QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

} // namespace

void loadEmbeddedResources() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    resources::registerEmbedded();
    for (const char *style : {"Regular", "Bold", "BoldItalic"})
        registerFont(QStringLiteral(":/fonts/LiberationSerif-%1.ttf").arg(QLatin1String(style)));
    const QString heavy = registerFont(QStringLiteral(":/fonts/Lato-Black.ttf"));
    if (!heavy.isEmpty())
        heavyFamily = heavy;
}

QFont designFont(const FontSpec &look) {
    QFont font(look.face == Face::Serif ? serifFamily : heavyFamily);
    font.setPixelSize(int(std::lround(look.points * 96.0 / 72.0)));
    font.setWeight(look.face == Face::Heavy ? QFont::Black
                                            : (look.bold ? QFont::Bold : QFont::Normal));
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont zoomedFont(const QFont &design, qreal zoom) {
    if (zoom == 1.0)
        return design;
    QFont font = design;
    if (design.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(design.pixelSize() * zoom))));
    else if (design.pointSizeF() > 0)
        font.setPointSizeF(design.pointSizeF() * zoom);
    return font;
}

} // namespace vielnis
