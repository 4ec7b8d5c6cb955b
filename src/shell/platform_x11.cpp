#include "shell/platform.h"
#include "shell/platform_kinds.h"

namespace vielnis {

namespace {

class X11Platform final : public Platform {
public:
    // Once minimised, the native window keeps asking to be mapped
    // minimised (its WM_HINTS initial state stays iconic), and resetting
    // the widget's state does not reach it while Qt thinks the window is
    // normal already.
    bool keepsMinimisedWhenShownAgain() const override { return true; }

    // The windows ask for no maximise function, but a window manager may
    // still honour a client's or a user's request to maximise.
    bool mayMaximiseUnasked() const override { return true; }
    // The frame's size is known only once the window manager has framed a
    // window (_NET_FRAME_EXTENTS): the default, nothing before the show.
};

} // namespace

const Platform &x11Platform() {
    static const X11Platform platform;
    return platform;
}

} // namespace vielnis
