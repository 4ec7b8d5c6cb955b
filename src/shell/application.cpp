#include "shell/application.h"

#include "resources/embedded.h"
#include "shell/design_fonts.h"
#include "shell/design_palette.h"
#include "shell/version.h"

#include <QApplication>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <QLocale>
#include <QPalette>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace vielnis {

namespace {

// A few of Qt's own Latvian texts in the words Latvian desktop programs use
// (Qt's translation says "Izvēlēties visu").
class LatvianWording : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(sourceText, "Select All") == 0 || qstrcmp(sourceText, "&Select All") == 0)
            return QStringLiteral("Atlasīt visu");
        return QString();
    }
};

} // namespace

void setUpIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Vielnis"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Wayland compositors match the windows to the desktop entry, its name
    // and its icon, by this id.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

void setUpLanguage() {
    resources::registerEmbeddedTranslations();
    QLocale::setDefault(QLocale(QLocale::Latvian, QLocale::Latvia));
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/qtbase_lv.qm")))
        QCoreApplication::installTranslator(translator);
    // Installed last, so asked first.
    QCoreApplication::installTranslator(new LatvianWording(QCoreApplication::instance()));
}

void setUpApplication() {
#ifdef __GLIBC__
    // Windows come and go all the time, each with megabyte-sized paint
    // buffers. Keep such buffers in memory of their own, handed back when
    // freed, so that visiting the windows again and again does not leave the
    // heap ever larger.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
    loadEmbeddedResources();
    // The style keeps drawn scroll bars and frames in the pixmap cache, keyed
    // by each new window's palette: every visit adds entries. A small cache
    // keeps that from adding up over a school day.
    QPixmapCache::setCacheLimit(256);
    setUpLanguage();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    // The classic grey of three-dimensional edges and menus.
    QPalette colours = QApplication::style()->standardPalette();
    colours.setColor(QPalette::Window, palette::kFace);
    colours.setColor(QPalette::WindowText, palette::kBlack);
    colours.setColor(QPalette::Button, palette::kFace);
    colours.setColor(QPalette::ButtonText, palette::kBlack);
    colours.setColor(QPalette::Light, palette::kHighlight);
    colours.setColor(QPalette::Midlight, palette::kFace);
    colours.setColor(QPalette::Dark, palette::kShadow);
    colours.setColor(QPalette::Mid, palette::kMid);
    colours.setColor(QPalette::Shadow, palette::kDarkShadow);
    colours.setColor(QPalette::ToolTipBase, palette::kToolTip);
    colours.setColor(QPalette::ToolTipText, palette::kBlack);
    QApplication::setPalette(colours);
    QApplication::setFont(serif(9.75));
}

} // namespace vielnis
