#pragma once

#include "shell/controls.h"
#include "shell/design_fonts.h"
#include "shell/design_palette.h"

namespace vielnis::series {

// Fonts the three series windows share; their colours are the palette's:
// yellow symbols, sentences and formulas, green titles, arrows and the
// symbol pointed at, the selected symbol's frame in black.
constexpr FontSpec kTitleFont{Face::Serif, 15.75, true};
constexpr FontSpec kSymbolFont{Face::Serif, 12, true, false, true};
constexpr FontSpec kSentenceFont{Face::Serif, 14.25};

// The green title every series window shows above its row, "Label4".
inline QLabel *makeSeriesTitle(QWidget *client, const char *text, const Twips &rect) {
    return makeLabel(client, {"Label4", text, rect, kTitleFont, palette::kGreen});
}

} // namespace vielnis::series
