// Start-up to the first painted start window, timed from outside the
// process against a bare Qt Widgets window with one button, in the same
// run; then opening each section from the start window, in process.

#include "bench_util.h"

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"

#include <QApplication>
#include <QDir>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vielnis;

namespace {

struct Run {
    double milliseconds = 0;
    long residentKilobytes = 0; // peak resident memory of the process
};

// Starts the program, waits for it to end, and reads its time and its peak
// resident memory from outside.
Run runOnce(const QString &program) {
    const QByteArray path = program.toLocal8Bit();
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        execl(path.constData(), path.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {double(timer.nsecsElapsed()) / 1e6, usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    bench::offscreenUnlessChosen();
    QApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString bare = QDir(dir).filePath(QStringLiteral("bare_window"));
    const QString handbook = QDir(dir).filePath(QStringLiteral("handbook_start"));

    // Alternate the two so both see the same machine.
    constexpr int rounds = 21;
    std::vector<double> bareTimes, handbookTimes, bareMemory, handbookMemory;
    runOnce(bare);
    runOnce(handbook);
    for (int i = 0; i < rounds; ++i) {
        const Run bareRun = runOnce(bare);
        const Run handbookRun = runOnce(handbook);
        bareTimes.push_back(bareRun.milliseconds);
        handbookTimes.push_back(handbookRun.milliseconds);
        bareMemory.push_back(double(bareRun.residentKilobytes));
        handbookMemory.push_back(double(handbookRun.residentKilobytes));
    }
    const double bareTime = median(bareTimes), handbookTime = median(handbookTimes);
    const double bareRss = median(bareMemory), handbookRss = median(handbookMemory);
    std::printf("bare Qt window, start to first paint          median %8.2f ms, %6.0f kB\n",
                bareTime, bareRss);
    std::printf("handbook start window, start to first paint   median %8.2f ms, %6.0f kB\n",
                handbookTime, handbookRss);
    std::printf("time ratio %.2f (target at most 1.1), memory ratio %.2f (target at most 1.2)\n",
                handbookTime / bareTime, handbookRss / bareRss);

    setUpApplication();
    WindowSet windows([] {});
    registerWindows(windows);
    for (int n = 2; n <= kWindowCount; ++n) {
        const auto id = WindowId(n);
        const auto figures = bench::openingTime(windows, id, 15);
        const QByteArray what =
            QStringLiteral("open Form%1 (created, shown, painted)").arg(n).toLatin1();
        bench::report(what.constData(), figures, 40);
    }
    return 0;
}
