#pragma once

#include "shell/twips.h"

namespace vielnis {

class DesignButton;
class HandbookWindow;
struct WindowLook;

// The back "<~", minimise "-" and exit "x" buttons of a window, wired to the
// window set as the window's look says.
void addCommonButtons(HandbookWindow &window, const WindowLook &look);

// The legend button: a tick in the common buttons' style, at (120, 480).
// The caller connects its click.
DesignButton *addLegendButton(HandbookWindow &window, const char *name);

} // namespace vielnis
