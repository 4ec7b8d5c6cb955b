// Start-up to the first painted start window, timed from outside the
// process against a bare Qt Widgets window with one button, in the same
// run; then opening each section from the start window, in process.

#include "bench_util.h"

#include "shell/handbook_window.h"
#include "shell/window_set.h"
#include "shell/windows.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

using namespace vielnis;

namespace {

double runOnce(const QString &program) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, {});
    process.waitForFinished(30000);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString bare = QDir(dir).filePath(QStringLiteral("bare_window"));
    const QString handbook = QDir(dir).filePath(QStringLiteral("handbook_start"));

    // Alternate the two so both see the same machine.
    constexpr int rounds = 21;
    std::vector<double> bareTimes, handbookTimes;
    runOnce(bare);
    runOnce(handbook);
    for (int i = 0; i < rounds; ++i) {
        bareTimes.push_back(runOnce(bare));
        handbookTimes.push_back(runOnce(handbook));
    }
    std::sort(bareTimes.begin(), bareTimes.end());
    std::sort(handbookTimes.begin(), handbookTimes.end());
    const double bareMedian = bareTimes[rounds / 2];
    const double handbookMedian = handbookTimes[rounds / 2];
    std::printf("bare Qt window, start to first paint          median %8.2f ms\n", bareMedian);
    std::printf("handbook start window, start to first paint   median %8.2f ms\n", handbookMedian);
    std::printf("ratio %.2f (target at most 1.3)  %s\n", handbookMedian / bareMedian,
                handbookMedian <= 1.3 * bareMedian ? "met" : "MISSED");

    setUpApplication();
    WindowSet windows([] {});
    registerWindows(windows);
    for (int n = 2; n <= kWindowCount; ++n) {
        const auto id = WindowId(n);
        const auto figures = bench::measure(
            15,
            [&] {
                windows.unload(id);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            },
            [&] {
                windows.show(id);
                // A full paint of the window, as its first expose asks for.
                windows.window(id)->grab();
            });
        const QByteArray what =
            QStringLiteral("open Form%1 (created, shown, painted)").arg(n).toLatin1();
        bench::report(what.constData(), figures, 40);
    }
    return 0;
}
