#pragma once

namespace vielnis {

class WindowSet;

// Looks, fonts and palette shared by every window, and the language. Call
// once after the QApplication exists and before any window is built.
void setUpApplication();

// Latvian for Qt's own texts, whatever the machine's language. Needs an
// application object but no display; setUpApplication calls it.
void setUpLanguage();

// Gives the window set a factory for each of the twelve windows.
void registerWindows(WindowSet &windows);

} // namespace vielnis
