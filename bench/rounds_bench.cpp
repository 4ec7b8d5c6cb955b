// Resident memory after a thousand tours through every window, against the
// memory after the first tour.

#include "bench_util.h"

#include "../tests/tour.h"
#include "app/windows.h"

#include <QApplication>

#include <unistd.h>

using namespace vielnis;

namespace {

bool tour(WindowSet &windows) {
    for (const char *step : testing::kTour)
        if (!testing::takeStep(windows, QString::fromUtf8(step))) {
            std::fprintf(stderr, "step %s failed\n", step);
            return false;
        }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;
    windows.show(WindowId::Form1);

    if (!tour(windows))
        return 1;
    const long afterFirst = bench::residentKilobytes();
    const int tours = qEnvironmentVariableIsSet("VIELNIS_TOURS")
                          ? qEnvironmentVariableIntValue("VIELNIS_TOURS")
                          : 1000;
    for (int i = 1; i < tours; ++i) {
        if (!tour(windows))
            return 1;
        if (qEnvironmentVariableIsSet("VIELNIS_BENCH_TRACE") && (i % 100 == 0 || i < 10))
            std::printf("  after %4d tours: %ld kB, %lld widgets\n", i + 1,
                        bench::residentKilobytes(), qlonglong(QApplication::allWidgets().size()));
    }
    const long afterAll = bench::residentKilobytes();
    if (qEnvironmentVariableIsSet("VIELNIS_BENCH_EXIT_NOW"))
        _exit(0); // leave everything in place for a heap profiler to see
    const long grown = afterAll - afterFirst;
    std::printf("resident memory after 1 tour %ld kB, after %d tours %ld kB: %+ld kB "
                "(target within 2048 kB)  %s\n",
                afterFirst, tours, afterAll, grown, std::labs(grown) <= 2048 ? "met" : "MISSED");
    return 0;
}
