#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace vielnis {

// What differs between the window systems the handbook runs on (X11,
// Wayland, Windows): how much is known of a window's frame before it is
// shown, how a hidden window that was once minimised is shown again, and
// whether the window system may maximise a window that never asked for it.
// Windows ask this, never which system they run on. One implementation per
// window system; the one in use is chosen once, from the running Qt
// platform plugin.
class Platform {
public:
    virtual ~Platform() = default;

    // The frame the window system will put around this framed window, if it
    // can be known before the window is first shown; otherwise nothing, and
    // the window is centred with the frame last seen and corrected once its
    // own is known.
    virtual std::optional<QMargins> frameBeforeShow(QWidget &window) const;

    // Whether a hidden window that was once minimised needs a fresh native
    // window to be shown again normal, not minimised.
    virtual bool keepsMinimisedWhenShownAgain() const { return false; }

    // Whether a window manager or compositor may maximise a fixed-size window
    // or make it fill the screen, so that the request has to be undone.
    virtual bool mayMaximiseUnasked() const { return false; }
};

// The platform the handbook runs on now.
const Platform &platform();

} // namespace vielnis
