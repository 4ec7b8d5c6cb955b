#pragma once

namespace vielnis {

class WindowSet;

// Looks, fonts and palette shared by every window. Call once after the
// QApplication exists and before any window is built.
void setUpApplication();

// Gives the window set a factory for each of the twelve windows.
void registerWindows(WindowSet &windows);

} // namespace vielnis
