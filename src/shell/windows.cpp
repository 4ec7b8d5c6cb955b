#include "shell/windows.h"

#include "shell/design_fonts.h"
#include "shell/handbook_window.h"
#include "shell/start_window.h"
#include "shell/window_set.h"
#include "table/table_window.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace vielnis {

void setUpApplication() {
    loadEmbeddedResources();
    // Qt's own texts in Latvian too, whatever the machine's language.
    QLocale::setDefault(QLocale(QLocale::Latvian, QLocale::Latvia));
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral(":/i18n/qtbase_lv.qm")))
        QCoreApplication::installTranslator(translator);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

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
}

} // namespace vielnis
