// The yardstick for start-up: a bare Qt Widgets window with one button.

#include "first_paint.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("Labi"));
    QuitAfterFirstPaint quit(&button);
    button.show();
    return app.exec();
}
