// The zoom: a step on the table window with an element shown, laid out again
// and painted in full; opening each window at 200 %; and resident memory
// after a thousand steps against the memory after the first round of steps.
//
// Offscreen unless QT_QPA_PLATFORM says otherwise, on a screen large enough
// for every window at every step (the offscreen platform's own screen is
// 800 x 600, too small for any zoom of most windows).

#include "bench_util.h"

#include "shell/design_button.h"
#include "shell/zoom.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

using namespace vielnis;

namespace {

// The steps up and down again, as a teacher tries them: 100 -> 300 -> 100.
int stepAfter(int percent, bool &rising) {
    if (percent == kZoomSteps.back())
        rising = false;
    else if (percent == kZoomSteps.front())
        rising = true;
    return rising ? nextZoomStep(percent) : previousZoomStep(percent);
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir scratch;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString config = scratch.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840,
                "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
            return 1;
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    }
    bench::Handbook handbook(argc, argv);
    WindowSet &windows = handbook.windows;
    Zoom &zoom = Zoom::instance();

    windows.show(WindowId::Form1);
    windows.show(WindowId::Form2);
    HandbookWindow *table = windows.window(WindowId::Form2);
    if (auto *iron = table->findChild<DesignButton *>(QStringLiteral("cmdFe")))
        iron->click();
    table->grab();

    int percent = zoom.percent();
    bool rising = true;
    const bench::Figures step = bench::measure(120, {}, [&] {
        percent = stepAfter(percent, rising);
        zoom.setPercent(percent);
        table->grab();
    });
    bench::report("zoom step, table window with iron, relaid and painted", step, 50);

    zoom.setPercent(200);
    for (WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::Form3, WindowId::Form4,
                        WindowId::Form5, WindowId::Form6, WindowId::Form7, WindowId::Form8,
                        WindowId::Form9, WindowId::Form10, WindowId::Form11, WindowId::Form12}) {
        const QByteArray what = "opening Form" + QByteArray::number(int(id)) + " at 200 %";
        bench::report(what.constData(), bench::openingTime(windows, id, 21), 60);
    }

    // Memory: a thousand steps on the table window, each painted.
    windows.show(WindowId::Form2);
    table = windows.window(WindowId::Form2);
    zoom.setPercent(100);
    percent = 100;
    rising = true;
    const int steps = qEnvironmentVariableIsSet("VIELNIS_STEPS")
                          ? qEnvironmentVariableIntValue("VIELNIS_STEPS")
                          : 1000;
    auto takeSteps = [&](int count) {
        for (int i = 0; i < count; ++i) {
            percent = stepAfter(percent, rising);
            zoom.setPercent(percent);
            table->grab();
            QCoreApplication::processEvents();
        }
    };
    // The first round, up to 300 % and down again, makes every picture once.
    const int round = 2 * (int(kZoomSteps.size()) - 1);
    takeSteps(1);
    const long afterStep = bench::residentKilobytes();
    takeSteps(round - 1);
    const long afterFirst = bench::residentKilobytes();
    takeSteps(steps - round);
    const long afterAll = bench::residentKilobytes();
    const long grown = afterAll - afterFirst;
    std::printf("resident memory after 1 step %ld kB, after %d steps (100 to 300 %% and back) "
                "%ld kB, after %d steps %ld kB: %+ld kB over the first round "
                "(target within 2048 kB)  %s\n",
                afterStep, round, afterFirst, steps, afterAll, grown,
                std::labs(grown) <= 2048 ? "met" : "MISSED");
    return 0;
}
