#include "app/command_line.h"
#include "app/windows.h"
#include "shell/window_set.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[]) {
    vielnis::setUpIdentity();

    vielnis::StartRequest request;
    if (argc > 1 && !vielnis::kAnswersInMessageBox) {
        // The command line is read before any window opens, and without a
        // display, so that --help works anywhere.
        QCoreApplication reader(argc, argv);
        vielnis::setUpLanguage();
        QTextStream out(stdout);
        QTextStream err(stderr);
        request = vielnis::readCommandLine(QCoreApplication::arguments(), out, err);
        if (!request.run)
            return request.exitCode;
    }

    QApplication app(argc, argv);
    vielnis::setUpApplication();
    if (argc > 1 && vielnis::kAnswersInMessageBox) {
        QString answer;
        QTextStream out(&answer);
        request = vielnis::readCommandLine(QCoreApplication::arguments(), out, out);
        if (!request.run) {
            vielnis::showCommandLineAnswer(answer, request.exitCode != 0);
            return request.exitCode;
        }
    }

    vielnis::WindowSet windows;
    vielnis::registerWindows(windows);
    vielnis::startHandbook(windows, request);
    return app.exec();
}
