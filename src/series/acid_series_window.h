#pragma once

#include "shell/handbook_window.h"

namespace vielnis::series {

struct FormulaLine;

// Form8, the activity series of common acids: one line of formulas over a
// green arrow. Nothing on it reacts but the common buttons.
class AcidSeriesWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit AcidSeriesWindow(WindowSet &windows);

    // The formula line the strip shows.
    static const FormulaLine &formulaLine();
};

} // namespace vielnis::series
