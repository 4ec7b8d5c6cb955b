#pragma once

// Starting the handbook takes the application set-up as well.
#include "shell/application.h"

namespace vielnis {

class WindowSet;

// Gives the window set a factory for each of the twelve windows. This is the
// one place that knows every window.
void registerWindows(WindowSet &windows);

} // namespace vielnis
