#pragma once

#include "resources/pictures.h"
#include "shell/window_id.h"

#include <optional>

namespace vielnis {

enum class WindowIcon {
    ToolkitDefault, // no icon set: whatever the window system shows
    None,           // explicitly no icon at all (an empty picture)
    Picture,        // the picture named in the look
};

// Where a window's back button leads and whether it destroys its window.
struct BackButton {
    const char *name;
    WindowId target;
};

// Frame, caption, size, background, icon, cursor and common buttons of one
// window: everything the base window needs to build itself.
struct WindowLook {
    WindowId id;
    const char *caption;
    int widthTwips;
    int heightTwips;
    bool framed;
    pictures::Picture backdrop;
    WindowIcon iconKind;
    pictures::Picture icon; // when iconKind is Picture
    bool openHandBackground;
    std::optional<BackButton> back;
    const char *minimiseName;
    const char *exitName;
    int exitLeftTwips;
};

const WindowLook &lookOf(WindowId id);

} // namespace vielnis
