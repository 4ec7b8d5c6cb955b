// Creating and first painting the series windows, and the hover and click
// handlers of the metal series with the repaint they cause.

#include "bench_util.h"

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"

#include <QApplication>
#include <QTest>

using namespace vielnis;

int main(int argc, char *argv[]) {
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;

    for (WindowId id : {WindowId::Form3, WindowId::Form5, WindowId::Form8}) {
        const auto ready = bench::openingTime(windows, id, 30);
        const QByteArray what =
            QByteArray("Form") + QByteArray::number(int(id)) + " created, shown and painted";
        bench::report(what.constData(), ready, 40);
    }

    windows.show(WindowId::Form3);
    HandbookWindow *metals = windows.window(WindowId::Form3);
    if (!QTest::qWaitForWindowExposed(metals))
        return 1;
    auto centreOf = [&](const char *name) {
        QWidget *widget = metals->findChild<QWidget *>(QString::fromLatin1(name));
        return widget->mapTo(metals, widget->rect().center());
    };
    const QPoint fe = centreOf("Fe");
    const QPoint cu = centreOf("Cu");
    bool flip = false;
    bench::report("pointer from symbol to symbol (Fe, Cu)",
                  bench::measure(400, {},
                                 [&] {
                                     flip = !flip;
                                     QTest::mouseMove(metals->windowHandle(), flip ? fe : cu);
                                     QCoreApplication::processEvents();
                                 }),
                  0.5);
    QWidget *hg = metals->findChild<QWidget *>(QStringLiteral("Hg"));
    QWidget *ag = metals->findChild<QWidget *>(QStringLiteral("Ag"));
    bench::report("symbol click (Hg, Ag)",
                  bench::measure(400, {},
                                 [&] {
                                     flip = !flip;
                                     QTest::mouseClick(flip ? hg : ag, Qt::LeftButton);
                                     QCoreApplication::processEvents();
                                 }),
                  0.5);
    return 0;
}
