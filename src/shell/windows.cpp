#include "shell/windows.h"

#include "pages/about_window.h"
#include "pages/authors_window.h"
#include "pages/biography_window.h"
#include "pages/help_window.h"
#include "pages/table_legend_window.h"
#include "series/acid_series_window.h"
#include "series/metal_series_window.h"
#include "series/nonmetal_series_window.h"
#include "shell/design_fonts.h"
#include "shell/handbook_window.h"
#include "shell/start_window.h"
#include "shell/window_set.h"
#include "solubility/solubility_legend_window.h"
#include "solubility/solubility_window.h"
#include "table/table_window.h"

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

void setUpLanguage() {
    loadEmbeddedTranslations();
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
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(0xD4, 0xD0, 0xC8));
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    palette.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(palette);
    QApplication::setFont(serif(9.75));
}

void registerWindows(WindowSet &windows) {
    for (int n = 1; n <= kWindowCount; ++n) {
        const auto id = WindowId(n);
        windows.setFactory(
            id, [id](WindowSet &set) -> HandbookWindow * { return new HandbookWindow(id, set); });
    }
    windows.setFactory(WindowId::Form1,
                       [](WindowSet &set) -> HandbookWindow * { return new StartWindow(set); });
    windows.setFactory(WindowId::Form2,
                       [](WindowSet &set) -> HandbookWindow * { return new TableWindow(set); });
    windows.setFactory(WindowId::Form3, [](WindowSet &set) -> HandbookWindow * {
        return new series::MetalSeriesWindow(set);
    });
    windows.setFactory(WindowId::Form5, [](WindowSet &set) -> HandbookWindow * {
        return new series::NonmetalSeriesWindow(set);
    });
    windows.setFactory(WindowId::Form8, [](WindowSet &set) -> HandbookWindow * {
        return new series::AcidSeriesWindow(set);
    });
    windows.setFactory(WindowId::Form4,
                       [](WindowSet &set) -> HandbookWindow * { return new AuthorsWindow(set); });
    windows.setFactory(WindowId::Form6, [](WindowSet &set) -> HandbookWindow * {
        return new TableLegendWindow(set);
    });
    windows.setFactory(WindowId::Form7,
                       [](WindowSet &set) -> HandbookWindow * { return new BiographyWindow(set); });
    windows.setFactory(WindowId::Form9, [](WindowSet &set) -> HandbookWindow * {
        return new SolubilityWindow(set);
    });
    windows.setFactory(WindowId::Form10, [](WindowSet &set) -> HandbookWindow * {
        return new SolubilityLegendWindow(set);
    });
    windows.setFactory(WindowId::Form11,
                       [](WindowSet &set) -> HandbookWindow * { return new HelpWindow(set); });
    windows.setFactory(WindowId::Form12,
                       [](WindowSet &set) -> HandbookWindow * { return new AboutWindow(set); });
}

} // namespace vielnis
