// The solubility table: building and first painting the window, mouse moves
// over cells and background with the repaint they cause, and printing. Besides the
// time, it counts which header images get painted again after a move: those
// whose frame changed, and others.

#include "bench_util.h"

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"
#include "solubility/header_image.h"
#include "solubility/solubility_window.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <QWindow>
#include <map>

using namespace vielnis;
using solubility::HeaderImage;

namespace {

// Paint events of the header images and the pixels they cover.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window) : m_images(window->findChildren<HeaderImage *>()) {
        for (HeaderImage *image : m_images)
            image->installEventFilter(this);
    }
    const QList<HeaderImage *> &images() const { return m_images; }
    void reset() { painted.clear(); }

    std::map<HeaderImage *, int> painted; // image -> pixels in its paint regions

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            int area = 0;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                area += r.width() * r.height();
            painted[static_cast<HeaderImage *>(watched)] += area;
        }
        return false;
    }

private:
    QList<HeaderImage *> m_images;
};

} // namespace

int main(int argc, char *argv[]) {
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;

    // Window ready: built, shown and painted once.
    const auto ready = bench::measure(
        30,
        [&] {
            windows.unload(WindowId::Form9);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        },
        [&] {
            windows.show(WindowId::Form9);
            windows.window(WindowId::Form9)->repaint();
        });
    bench::report("Form9 created, shown and painted", ready, 40);

    HandbookWindow *table = windows.window(WindowId::Form9);
    if (!QTest::qWaitForWindowExposed(table))
        return 1;
    QCoreApplication::processEvents();
    PaintCounter counter(table);
    QWindow *handle = table->windowHandle();
    auto moveTo = [&](QPoint at) {
        QTest::mouseMove(handle, at);      // as the window system delivers it
        QCoreApplication::processEvents(); // and the repaint it causes
    };
    auto centreOf = [&](const char *name) {
        QWidget *widget = table->findChild<QWidget *>(QString::fromLatin1(name));
        return widget->mapTo(table, widget->rect().center());
    };
    // Bare background between the column headers and the row headers.
    const QPoint bare = table->client()->mapTo(table, pxPoint(930, 1200));

    // The pointer alternates between two places; each round is one move.
    auto moves = [&](const char *what, QPoint a, QPoint b) {
        constexpr int kRounds = 2000;
        moveTo(b);
        bool flip = false;
        bench::report(what, bench::measure(kRounds, {}, [&] { moveTo((flip = !flip) ? a : b); }),
                      0.2);

        // Which images one move paints again.
        int changed = 0, changedPainted = 0, othersPainted = 0, othersPixels = 0;
        for (QPoint to : {a, b}) {
            std::map<HeaderImage *, bool> before;
            for (HeaderImage *image : counter.images())
                before[image] = image->isFramed();
            counter.reset();
            moveTo(to);
            for (HeaderImage *image : counter.images()) {
                const bool frameChanged = before[image] != image->isFramed();
                changed += frameChanged;
                if (!counter.painted.count(image))
                    continue;
                if (frameChanged)
                    ++changedPainted;
                else {
                    ++othersPainted;
                    othersPixels += counter.painted[image];
                }
            }
        }
        std::printf("    per move: %.1f frames changed, %.1f of those images painted; "
                    "%.1f other images painted (%.0f px each, the strip a changed image "
                    "overlaps)\n",
                    changed / 2.0, changedPainted / 2.0, othersPainted / 2.0,
                    othersPainted ? double(othersPixels) / othersPainted : 0.0);
    };

    moves("cell move FeSO41 <-> FeSO42 (one row down)", centreOf("FeSO41"), centreOf("FeSO42"));
    moves("cell move AgBr <-> AgCl (one column across)", centreOf("AgBr"), centreOf("AgCl"));
    moves("cell move AgBr <-> BaCl (diagonal)", centreOf("AgBr"), centreOf("BaCl"));
    moves("cell AgBr <-> bare background", centreOf("AgBr"), bare);

    auto *solubility = static_cast<SolubilityWindow *>(table);
    bench::report(
        "solubility table and legend printed to PDF",
        bench::printingTime(15, [&](QPrinter &printer) { solubility->printTable(printer); }), 300);
    return 0;
}
