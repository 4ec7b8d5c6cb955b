#pragma once

#include <QColor>

// Every colour of the handbook's design, defined once. Windows name the role
// a colour plays for them by referring to these; none writes a colour value
// of its own.
namespace vielnis::palette {

// Texts on the photograph, the details fields' text, non-metal buttons.
inline const QColor kYellow{0xFF, 0xFF, 0x00};
// The start window's heading and notice, the metal series' ion index.
inline const QColor kPaleYellow{0xFF, 0xFF, 0x80};
// Titles, the series arrows, the symbol pointed at, the legends' meanings.
inline const QColor kGreen{0x00, 0xFF, 0x00};
// The start window's entry caption pointed at.
inline const QColor kCyan{0x00, 0xFF, 0xFF};
// Highlighted oxidation states, the letters of s-elements.
inline const QColor kRed{0xFF, 0x00, 0x00};
// The face of the back, minimise, exit and legend buttons.
inline const QColor kButtonRed{0xC0, 0x00, 0x00};
// The start window's entry buttons, the panel behind the oxidation block.
inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kBlack{0x00, 0x00, 0x00};

// The periodic table: fields about the element, about its simple substance,
// and the faces of element buttons.
inline const QColor kElementFields{0x00, 0x00, 0xFF};
inline const QColor kSubstanceFields{0x80, 0x80, 0xFF};
inline const QColor kMetalFace{0xFF, 0xFF, 0xC0};
inline const QColor &kNonmetalFace = kYellow;

// The symbols on element buttons, by block.
inline const QColor &kBlockS = kRed;
inline const QColor kBlockP{0x73, 0x4A, 0x00};
inline const QColor &kBlockD = kElementFields;
inline const QColor kBlockF{0x00, 0xB9, 0x00};
// The table legend's block captions, a shade apart from the symbols' own.
inline const QColor kLegendBlockP{0x80, 0x40, 0x00};
inline const QColor kLegendBlockF{0x00, 0xC0, 0x00};

// The classic grey of three-dimensional edges, menus and dialogs.
inline const QColor kFace{0xD4, 0xD0, 0xC8};
inline const QColor kMid{0xA0, 0xA0, 0xA0};
inline const QColor kShadow{0x80, 0x80, 0x80};
inline const QColor kDarkShadow{0x40, 0x40, 0x40};
inline const QColor &kHighlight = kWhite;
inline const QColor kToolTip{0xFF, 0xFF, 0xE1};

// The ground of an oxide cell showing the letter ('B', 'A' or 'S'); white
// for an empty cell.
inline QColor oxideColour(char letter) {
    switch (letter) {
    case 'B':
        return kCyan;
    case 'A':
        return kYellow;
    case 'S':
        return kRed;
    default:
        return kWhite;
    }
}

} // namespace vielnis::palette
