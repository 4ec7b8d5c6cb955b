#pragma once

#include "series/symbol_series_window.h"

class QLabel;

namespace vielnis::series {

// Form5, the electronegativity series of 17 non-metals over a green arrow.
// Pointing at a symbol colours it green; clicking one frames it and shows its
// electronegativity in a sentence.
class NonmetalSeriesWindow : public SymbolSeriesWindow {
    Q_OBJECT
public:
    explicit NonmetalSeriesWindow(WindowSet &windows);

    // All 17 symbols back to yellow.
    void ResetNonmetalColours();
    // No symbol framed.
    void ClearNonmetalBorders();

protected:
    void showSelected(std::size_t row) override;

private:
    QLabel *m_sentence = nullptr; // L1
};

} // namespace vielnis::series
