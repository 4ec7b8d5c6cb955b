#pragma once

// Small helpers shared by the benchmarks: repeat an action, report the median
// and the spread in milliseconds.

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace vielnis::bench {

struct Figures {
    double median = 0;
    double low = 0;
    double high = 0;
};

// Runs prepare (not timed) and then action (timed) the given number of times.
inline Figures measure(int rounds, const std::function<void()> &prepare,
                       const std::function<void()> &action) {
    std::vector<double> times;
    times.reserve(std::size_t(rounds));
    for (int i = 0; i < rounds; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        action();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

inline void report(const char *what, const Figures &figures, double targetMs) {
    std::printf("%-52s median %8.3f ms  (min %.3f, max %.3f)  target < %.1f ms  %s\n", what,
                figures.median, figures.low, figures.high, targetMs,
                figures.median < targetMs ? "met" : "MISSED");
}

// Benchmarks run offscreen unless a platform is chosen; call before the
// application object is made.
// The process's resident memory in kilobytes, as the kernel counts it.
inline long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

inline void offscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The application and the handbook's window set, as a benchmark needs them:
// offscreen unless a platform is chosen, ending observed instead of quitting.
class Handbook {
public:
    Handbook(int &argc, char **argv)
        : m_platform((offscreenUnlessChosen(), true)), m_application(argc, argv), windows([] {}) {
        setUpApplication();
        registerWindows(windows);
    }

private:
    bool m_platform;
    QApplication m_application;

public:
    WindowSet windows;
};

// Opening a window: created in its designed state, shown and painted in full,
// as its first expose asks for. The window is unloaded before each round.
inline Figures openingTime(WindowSet &windows, WindowId id, int rounds) {
    return measure(
        rounds,
        [&] {
            windows.unload(id);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        },
        [&] {
            windows.show(id);
            windows.window(id)->grab();
        });
}

// Printing to a PDF file at the printer's high resolution, from making the
// printer to the file written, as "print to file" in the print dialog does.
inline Figures printingTime(int rounds, const std::function<void(QPrinter &)> &print) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("table.pdf"));
    return measure(rounds, {}, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        print(printer);
    });
}

} // namespace vielnis::bench
