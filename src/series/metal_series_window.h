#pragma once

#include "series/symbol_series_window.h"

class QLabel;

namespace vielnis::series {

// Form3, the electrochemical voltage series: 25 metals and hydrogen over a
// green arrow. Pointing at a symbol colours it green; clicking one frames it
// and writes its half-reaction couple and standard electrode potential.
class MetalSeriesWindow : public SymbolSeriesWindow {
    Q_OBJECT
public:
    explicit MetalSeriesWindow(WindowSet &windows);

    // Empties the couple and the potential.
    void ClearHalfReaction();
    // All 26 symbols back to yellow.
    void ResetMetalColours();
    // No symbol framed.
    void ClearMetalBorders();

protected:
    // Lithium, at the left end, only takes the colour off its right
    // neighbour.
    void pointAt(std::size_t row) override;
    void showSelected(std::size_t row) override;

    // The potential follows the fixed words one blank after them at every
    // zoom.
    void zoomChanged() override;

private:
    void setSentenceSpacing(QLabel *words);

    QLabel *m_ion = nullptr;          // L1
    QLabel *m_ionIndex = nullptr;     // L_i1
    QLabel *m_charge = nullptr;       // L2
    QLabel *m_element = nullptr;      // L3
    QLabel *m_elementIndex = nullptr; // L_i2
    QLabel *m_potential = nullptr;    // mes
    QLabel *m_words = nullptr;        // Label5
};

} // namespace vielnis::series
