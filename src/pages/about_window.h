#pragma once

#include "shell/handbook_window.h"

namespace vielnis {

// Form12, the about page: the program's icon, name and version, and what it
// is for.
class AboutWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit AboutWindow(WindowSet &windows);
};

} // namespace vielnis
