// What a pupil does most, each with the repaint it causes: an element click,
// a picker choice, a start-window hover, a series click, a solubility cell
// mouse move.

#include "bench_util.h"

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"
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

enum class Gesture { Point, Click, Choose };

// One interaction: two controls of a window used in turn, so that every event
// changes what is shown.
struct Interaction {
    const char *what;
    WindowId window;
    const char *first;
    const char *second;
    Gesture gesture;
    const char *before = nullptr; // clicked once beforehand
};

const Interaction kInteractions[] = {
    {"start window hover (MAR, PAR)", WindowId::Form1, "MAR", "PAR", Gesture::Point},
    {"element click (Fe, Na)", WindowId::Form2, "cmdFe", "cmdNa", Gesture::Click},
    {"picker choice (red, black phosphorus)", WindowId::Form2, "Sarkanais fosfors",
     "Melnais fosfors", Gesture::Choose, "cmdP"},
    {"metal series click (Ag, Cu)", WindowId::Form3, "Ag", "Cu", Gesture::Click},
    {"non-metal series click (O, As)", WindowId::Form5, "O", "eAs", Gesture::Click},
    {"solubility cell mouse move (AgBr, FeSO42)", WindowId::Form9, "AgBr", "FeSO42",
     Gesture::Point},
};

int main(int argc, char *argv[]) {
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;
    constexpr int rounds = 500;
    for (const Interaction &interaction : kInteractions) {
        HandbookWindow *window = open(windows, interaction.window);
        if (interaction.before)
            QTest::mouseClick(find(window, interaction.before), Qt::LeftButton);
        std::function<void(bool)> step;
        if (interaction.gesture == Gesture::Choose) {
            // What choosing an entry from the list does to the picker.
            auto *picker = static_cast<ModificationPicker *>(find(window, "Combo1"));
            const int first = picker->findText(QString::fromUtf8(interaction.first));
            const int second = picker->findText(QString::fromUtf8(interaction.second));
            step = [=](bool flip) { picker->setCurrentIndex(flip ? first : second); };
        } else {
            QWidget *first = find(window, interaction.first);
            QWidget *second = find(window, interaction.second);
            const bool click = interaction.gesture == Gesture::Click;
            step = [=](bool flip) {
                QWidget *target = flip ? first : second;
                if (click)
                    QTest::mouseClick(target, Qt::LeftButton);
                else
                    pointAt(target);
            };
        }
        bench::report(interaction.what, alternate(rounds, step), 1.0);
        windows.unload(interaction.window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
