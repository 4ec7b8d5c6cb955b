#pragma once

#include "shell/design_fonts.h"

#include <QColor>

namespace vielnis::series {

// Colours and fonts the three series windows share.
inline const QColor kYellow(0xFF, 0xFF, 0x00);      // symbols, sentences, formulas
inline const QColor kGreen(0x00, 0xFF, 0x00);       // titles, arrows, the pointed symbol
inline const QColor kFrameColour(0x00, 0x00, 0x00); // the selected symbol's single-line frame

constexpr FontSpec kTitleFont{Face::Serif, 15.75, true};
constexpr FontSpec kSymbolFont{Face::Serif, 12, true, false, true};
constexpr FontSpec kSentenceFont{Face::Serif, 14.25};

} // namespace vielnis::series
