#pragma once

namespace vielnis {

// The program's name, version and desktop entry id, as the command line, the
// window system and desktops see them. Needs no application object.
void setUpIdentity();

// Looks, fonts and palette shared by every window, and the language. Call
// once after the QApplication exists and before any window is built.
void setUpApplication();

// Latvian for Qt's own texts, whatever the machine's language. Needs an
// application object but no display; setUpApplication calls it.
void setUpLanguage();

} // namespace vielnis
