#pragma once

#include "shell/handbook_window.h"

namespace vielnis {

// Form7, the biography of D. Mendeleev: his portrait, a title and a
// read-only quotation to scroll through.
class BiographyWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit BiographyWindow(WindowSet &windows);
};

} // namespace vielnis
