#pragma once

#include "shell/handbook_window.h"

namespace vielnis {

// Form6, the legend of the periodic table window: what the colours of its
// fields and element buttons and the letters of its oxide cells mean. Only
// the three window buttons react.
class TableLegendWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit TableLegendWindow(WindowSet &windows);
};

} // namespace vielnis
