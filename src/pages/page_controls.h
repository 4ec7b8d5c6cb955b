#pragma once

#include "shell/design_fonts.h"
#include "shell/twips.h"

#include <QPlainTextEdit>

class QLabel;

namespace vielnis {

class HandbookWindow;

namespace pages {

// Fonts the information pages share; their colours are the palette's.
inline constexpr FontSpec kTitleFont{Face::Serif, 20.25, true}; // help and biography titles
inline constexpr FontSpec kReadingFont{Face::Serif, 12};        // their text boxes

// A long text to read: black on white, read-only, with a vertical scroll bar;
// words wrap where a line is wider than the box. Line breaks stored as
// "\r\n" show as single breaks. Typing changes nothing; the caret and the
// selection still work, so the text can be copied.
class ReadingBox : public QPlainTextEdit {
    Q_OBJECT
public:
    ReadingBox(QWidget *parent, const char *name, const Twips &rect, const char *text);
};

// The green title, "Label1", centred over a page of text to read.
QLabel *makePageTitle(QWidget *parent, const char *text, const Twips &rect);

// Gives the keyboard focus to the window's back button, first in its tab order.
void focusBackButton(HandbookWindow &window);

} // namespace pages
} // namespace vielnis
