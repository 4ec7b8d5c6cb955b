#pragma once

namespace vielnis {

class DesignButton;
class HandbookWindow;

// The buttons every window draws in one look: a red face, a heavy caption or
// a picture, and a tooltip saying what they do.
enum class CommonButton {
    Back,     // "<~" at (120, 120)
    Minimise, // "-"
    Exit,     // "x"
    Legend,   // a tick at (120, 480)
};

// Makes the button on the window's client area at the given place in twips
// (the back and legend buttons' places are their own: left and top are
// ignored for them). The caller connects its click.
DesignButton *makeCommonButton(HandbookWindow &window, const char *name, CommonButton kind,
                               int leftTwips = 0);

} // namespace vielnis
