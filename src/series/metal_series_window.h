#pragma once

#include "shell/handbook_window.h"

#include <array>

class QLabel;

namespace vielnis::series {

class SymbolLabel;

constexpr int kMetalCount = 26;

// Form3, the electrochemical voltage series: 25 metals and hydrogen over a
// green arrow. Pointing at a symbol colours it green; clicking one frames it
// and writes its half-reaction couple and standard electrode potential.
class MetalSeriesWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit MetalSeriesWindow(WindowSet &windows);

    // All 26 symbols back to yellow.
    void ResetMetalColours();
    // No symbol framed.
    void ClearMetalBorders();
    // Empties the couple and the potential.
    void ClearHalfReaction();

private:
    void setSentenceSpacing(QLabel *words);
    void pointAt(std::size_t row);
    void select(std::size_t row);

    std::array<SymbolLabel *, kMetalCount> m_symbols{};
    QLabel *m_ion = nullptr;          // L1
    QLabel *m_ionIndex = nullptr;     // L_i1
    QLabel *m_charge = nullptr;       // L2
    QLabel *m_element = nullptr;      // L3
    QLabel *m_elementIndex = nullptr; // L_i2
    QLabel *m_potential = nullptr;    // mes
};

} // namespace vielnis::series
