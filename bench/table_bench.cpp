// Creating and first painting the periodic table window, element clicks and
// typed symbols with the repaint they cause, and printing the table.

#include "bench_util.h"

#include "app/windows.h"
#include "shell/window_set.h"
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

    // A symbol typed key by key. Before each (not timed) the typing clock
    // moves on past the pause that forgets what was typed: Escape would take
    // the pupil back to the start window when nothing is typed.
    auto *periodic = static_cast<TableWindow *>(table);
    qint64 now = 0;
    periodic->setTypingClock([&now] { return now; });
    auto typedFigures = [&](const char *first, const char *second) {
        bool flip = false;
        return bench::measure(
            400, [&] { now += 2 * ElementFinder::kPauseMs; },
            [&] {
                flip = !flip;
                QTest::keyClicks(QApplication::focusWidget(), flip ? first : second);
                QCoreApplication::processEvents(); // the repaint the keys caused
            });
    };
    bench::report("typed symbol without modifications (fe, na)", typedFigures("fe", "na"), 1.0);
    bench::report("typed symbol with modifications (c, p)", typedFigures("c", "p"), 1.0);

    bench::report(
        "periodic table printed to PDF",
        bench::printingTime(15, [&](QPrinter &printer) { periodic->printTable(printer); }), 300);
    return 0;
}
