#include "shell/common_buttons.h"

#include "resources/pictures.h"
#include "shell/design_button.h"
#include "shell/design_fonts.h"
#include "shell/design_palette.h"
#include "shell/handbook_window.h"
#include "shell/shared_texts.h"
#include "shell/twips.h"

namespace vielnis {

namespace {

constexpr int kTop = 120;
constexpr int kHeight = 375;

struct CommonLook {
    const char *caption;
    qreal points;
    int width;
    const char *tooltip;
    int left = -1; // -1: placed by the caller
    int top = kTop;
};

// By CommonButton.
constexpr CommonLook kLooks[] = {
    {"<~", 9.75, 510, texts::kBack, 120},
    {"-", 15.75, 255, texts::kMinimise},
    {"x", 9.75, 255, texts::kExit},
    {"", 9.75, 510, texts::kLegend, 120, 480},
};

} // namespace

DesignButton *makeCommonButton(HandbookWindow &window, const char *name, CommonButton kind,
                               int leftTwips) {
    const CommonLook &look = kLooks[int(kind)];
    auto *button = new DesignButton(window.client());
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(look.caption));
    button->setFont(designFont({Face::Heavy, look.points, true}));
    button->setToolTip(QString::fromUtf8(look.tooltip));
    // Screen readers say what the button does, not its "<~" or "x".
    button->setAccessibleName(QString::fromUtf8(look.tooltip));
    button->setFaceColour(palette::kButtonRed);
    const int left = look.left >= 0 ? look.left : leftTwips;
    button->setGeometry(Twips{left, look.top, look.width, kHeight}.toPixels());
    // The start window's buttons all show the silver hand.
    button->setCursor(pictures::cursor(window.id() == WindowId::Form1
                                           ? pictures::Cursor::SilverHand
                                           : pictures::Cursor::PointingHand));
    if (kind == CommonButton::Legend)
        button->setPicture([](QPainter &painter, const QRectF &target) {
            pictures::draw(pictures::Picture::Tick, painter, target);
        });
    return button;
}

} // namespace vielnis
