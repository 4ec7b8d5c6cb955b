#pragma once

#include "shell/handbook_window.h"

#include <array>

class QLabel;

namespace vielnis::series {

class SymbolLabel;

constexpr int kNonmetalCount = 17;

// Form5, the electronegativity series of 17 non-metals over a green arrow.
// Pointing at a symbol colours it green; clicking one frames it and shows its
// electronegativity in a sentence.
class NonmetalSeriesWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit NonmetalSeriesWindow(WindowSet &windows);

    // All 17 symbols back to yellow.
    void ResetNonmetalColours();
    // No symbol framed.
    void ClearNonmetalBorders();

private:
    void pointAt(std::size_t row);
    void select(std::size_t row);

    std::array<SymbolLabel *, kNonmetalCount> m_symbols{};
    QLabel *m_sentence = nullptr; // L1
};

} // namespace vielnis::series
