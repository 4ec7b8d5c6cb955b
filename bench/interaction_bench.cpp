// What a pupil does most, each with the repaint it causes: an element click,
// a picker choice, a start-window hover, a series click, a solubility cell
// mouse move.

#include "bench_util.h"

#include "shell/handbook_window.h"
#include "shell/window_set.h"
#include "shell/windows.h"
#include "table/modification_picker.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace vielnis;

namespace {

HandbookWindow *open(WindowSet &windows, WindowId id) {
    windows.show(id);
    HandbookWindow *window = windows.window(id);
    if (!QTest::qWaitForWindowExposed(window))
        std::exit(1);
    QCoreApplication::processEvents();
    return window;
}

QWidget *find(HandbookWindow *window, const char *name) {
    QWidget *widget = window->findChild<QWidget *>(QString::fromUtf8(name));
    if (!widget) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return widget;
}

// Alternates between two controls so every event changes what is shown.
bench::Figures alternate(int rounds, const std::function<void(bool)> &step) {
    bool flip = false;
    return bench::measure(rounds, {}, [&] {
        flip = !flip;
        step(flip);
        QCoreApplication::processEvents(); // the repaint the event caused
    });
}

void pointAt(QWidget *target) {
    QWidget *window = target->window();
    QTest::mouseMove(window->windowHandle(), target->mapTo(window, target->rect().center()));
}

} // namespace

int main(int argc, char *argv[]) {
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;
    constexpr int rounds = 500;

    HandbookWindow *start = open(windows, WindowId::Form1);
    QWidget *mar = find(start, "MAR");
    QWidget *par = find(start, "PAR");
    bench::report("start window hover (MAR, PAR)",
                  alternate(rounds, [&](bool flip) { pointAt(flip ? mar : par); }), 1.0);
    windows.unload(WindowId::Form1);

    HandbookWindow *table = open(windows, WindowId::Form2);
    QWidget *iron = find(table, "cmdFe");
    QWidget *sodium = find(table, "cmdNa");
    bench::report(
        "element click (Fe, Na)",
        alternate(rounds,
                  [&](bool flip) { QTest::mouseClick(flip ? iron : sodium, Qt::LeftButton); }),
        1.0);
    QTest::mouseClick(find(table, "cmdP"), Qt::LeftButton);
    auto *picker = static_cast<ModificationPicker *>(find(table, "Combo1"));
    bench::report("picker choice (red, black phosphorus)",
                  alternate(rounds,
                            [&](bool flip) {
                                // What choosing an entry from the list does to the picker.
                                picker->setCurrentIndex(flip ? 1 : 2);
                            }),
                  1.0);
    windows.unload(WindowId::Form2);

    HandbookWindow *metals = open(windows, WindowId::Form3);
    QWidget *silver = find(metals, "Ag");
    QWidget *copper = find(metals, "Cu");
    bench::report(
        "metal series click (Ag, Cu)",
        alternate(rounds,
                  [&](bool flip) { QTest::mouseClick(flip ? silver : copper, Qt::LeftButton); }),
        1.0);
    windows.unload(WindowId::Form3);

    HandbookWindow *nonmetals = open(windows, WindowId::Form5);
    QWidget *oxygen = find(nonmetals, "O");
    QWidget *arsenic = find(nonmetals, "eAs");
    bench::report(
        "non-metal series click (O, As)",
        alternate(rounds,
                  [&](bool flip) { QTest::mouseClick(flip ? oxygen : arsenic, Qt::LeftButton); }),
        1.0);
    windows.unload(WindowId::Form5);

    HandbookWindow *solubility = open(windows, WindowId::Form9);
    QWidget *silverBromide = find(solubility, "AgBr");
    QWidget *ironSulphate = find(solubility, "FeSO42");
    bench::report(
        "solubility cell mouse move (AgBr, FeSO42)",
        alternate(rounds, [&](bool flip) { pointAt(flip ? silverBromide : ironSulphate); }), 1.0);
    return 0;
}
