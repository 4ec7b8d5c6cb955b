#pragma once

#include <QFont>

namespace vielnis {

enum class Face {
    Serif, // embedded stand-in for Times New Roman
    Heavy, // embedded heavy sans for Arial Black
};

struct FontSpec {
    Face face = Face::Serif;
    qreal points = 12; // size as designed, in points at 96 dots per inch
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Makes the embedded fonts, photographs and translations available. Call
// once before any window is built.
void loadEmbeddedResources();

// The font as designed. The size is set in pixels (points at 96 dpi), so text
// keeps its designed size whatever dpi the display claims.
QFont designFont(const FontSpec &look);

// A font of the design at a zoom (1 at 100 %): the same face at the scaled
// size, so text is drawn anew at the size asked.
QFont zoomedFont(const QFont &design, qreal zoom);

inline QFont serif(qreal points, bool bold = false, bool italic = false) {
    return designFont({Face::Serif, points, bold, italic});
}

} // namespace vielnis
