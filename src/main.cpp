#include "shell/window_set.h"
#include "shell/windows.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vielnis"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    vielnis::setUpApplication();

    vielnis::WindowSet windows;
    vielnis::registerWindows(windows);
    windows.show(vielnis::WindowId::Form1);
    return app.exec();
}
