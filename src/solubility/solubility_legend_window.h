#pragma once

#include "shell/handbook_window.h"

namespace vielnis {

// Form10, the legend of the solubility table: one row per mark, a swatch in
// the mark's colour and a sentence that explains it. Only its three buttons
// react.
class SolubilityLegendWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit SolubilityLegendWindow(WindowSet &windows);
};

} // namespace vielnis
