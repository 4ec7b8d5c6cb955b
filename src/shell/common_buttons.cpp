#include "shell/common_buttons.h"

#include "resources/pictures.h"
#include "shell/design_button.h"
#include "shell/design_fonts.h"
#include "shell/handbook_window.h"
#include "shell/window_looks.h"
#include "shell/window_set.h"

namespace vielnis {

namespace {

const QColor kButtonFace(0xC0, 0x00, 0x00);
constexpr int kTop = 120;
constexpr int kHeight = 375;

struct CommonLook {
    const char *caption;
    qreal points;
    int width;
    const char *tooltip;
};

constexpr CommonLook kBack{"<~", 9.75, 510, "Atpakaļ!"};
constexpr CommonLook kMinimise{"-", 15.75, 255, "Minimizēt!"};
constexpr CommonLook kExit{"x", 9.75, 255, "Iziet!"};

DesignButton *makeButton(HandbookWindow &window, const char *name, const CommonLook &look, int left,
                         int top) {
    auto *button = new DesignButton(window.client());
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(look.caption));
    button->setFont(designFont({Face::Heavy, look.points, true}));
    button->setToolTip(QString::fromUtf8(look.tooltip));
    // Screen readers say what the button does, not its "<~" or "x".
    button->setAccessibleName(QString::fromUtf8(look.tooltip));
    button->setFaceColour(kButtonFace);
    button->setGeometry(Twips{left, top, look.width, kHeight}.toPixels());
    // The start window's buttons all show the silver hand.
    button->setCursor(pictures::cursor(window.id() == WindowId::Form1
                                           ? pictures::Cursor::SilverHand
                                           : pictures::Cursor::PointingHand));
    return button;
}

} // namespace

void addCommonButtons(HandbookWindow &window, const WindowLook &look) {
    WindowSet &windows = window.windows();
    const WindowId own = window.id();
    if (look.back) {
        const WindowId target = look.back->target;
        DesignButton *back = makeButton(window, look.back->name, kBack, 120, kTop);
        QObject::connect(back, &QPushButton::clicked, &window, [&windows, own, target] {
            windows.show(target);
            windows.hide(own);
            windows.unload(own);
        });
    }
    DesignButton *minimise =
        makeButton(window, look.minimiseName, kMinimise, look.exitLeftTwips - 240, kTop);
    QObject::connect(minimise, &QPushButton::clicked, &window,
                     [&windows, own] { windows.minimise(own); });
    DesignButton *exit = makeButton(window, look.exitName, kExit, look.exitLeftTwips, kTop);
    QObject::connect(exit, &QPushButton::clicked, &window, [&windows] { windows.end(); });
}

DesignButton *addLegendButton(HandbookWindow &window, const char *name) {
    DesignButton *legend = makeButton(window, name, {"", 9.75, 510, "Apzīmējumi"}, 120, 480);
    legend->setPicture([](QPainter &painter, const QRectF &target) {
        pictures::draw(pictures::Picture::Tick, painter, target);
    });
    return legend;
}

} // namespace vielnis
