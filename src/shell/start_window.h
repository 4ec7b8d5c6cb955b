#pragma once

#include "shell/handbook_window.h"

#include <array>

class QLabel;

namespace vielnis {

class DesignButton;

// Form1, the start window: six entries leading to the handbook's sections.
// Pointing at an entry's button lights up its label.
class StartWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit StartWindow(WindowSet &windows);

    // All six entry labels back to yellow.
    void ResetEntryColours();

    // The entry button that opens the given section, or nullptr.
    DesignButton *entryButton(WindowId section) const;

private:
    std::array<DesignButton *, 6> m_buttons{};
    std::array<QLabel *, 6> m_labels{};
};

} // namespace vielnis
