#pragma once

#include "shell/handbook_window.h"

namespace vielnis {

// Form11, the help of the periodic table window: a read-only text that
// explains the quantities of the details panel, one section each.
class HelpWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit HelpWindow(WindowSet &windows);
};

} // namespace vielnis
