// The handbook's own start-up, as main() does it, ending once the start
// window has first been painted.

#include "first_paint.h"

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    vielnis::setUpApplication();
    vielnis::WindowSet windows;
    vielnis::registerWindows(windows);
    windows.show(vielnis::WindowId::Form1);
    QuitAfterFirstPaint quit(windows.window(vielnis::WindowId::Form1)->client());
    return app.exec();
}
