// Creating and first painting the periodic table window, and element clicks
// with the repaint they cause.

#include "bench_util.h"

#include "shell/window_set.h"
#include "shell/windows.h"
#include "table/table_window.h"

#include <QApplication>
#include <QTest>

using namespace vielnis;

int main(int argc, char *argv[]) {
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;

    // Window ready: built, shown and painted once.
    const auto ready = bench::openingTime(windows, WindowId::Form2, 30);
    bench::report("Form2 created, shown and painted", ready, 40);

    HandbookWindow *table = windows.window(WindowId::Form2);
    if (!QTest::qWaitForWindowExposed(table))
        return 1;
    auto clickFigures = [&](const char *first, const char *second) {
        QWidget *a = table->findChild<QWidget *>(QString::fromLatin1(first));
        QWidget *b = table->findChild<QWidget *>(QString::fromLatin1(second));
        bool flip = false;
        return bench::measure(400, {}, [&] {
            flip = !flip;
            QTest::mouseClick(flip ? a : b, Qt::LeftButton);
            QCoreApplication::processEvents(); // the repaint the click caused
        });
    };
    bench::report("element click without modifications (Fe, Na)", clickFigures("cmdFe", "cmdNa"),
                  0.5);
    bench::report("element click with modifications (C, P)", clickFigures("cmdC", "cmdP"), 0.5);
    return 0;
}
