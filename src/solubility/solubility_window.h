#pragma once

#include "shell/handbook_window.h"
#include "solubility/solubility_data.h"

#include <array>

class QPrinter;

namespace vielnis {

namespace solubility {
class HeaderImage;
}

// Form9, the solubility of acids, bases and salts in water: 14 cation rows by
// 13 anion columns of coloured marks. Pointing at a cell frames the formulas
// of its column and of both ends of its row.
class SolubilityWindow : public HandbookWindow {
    Q_OBJECT
public:
    explicit SolubilityWindow(WindowSet &windows);

    // Takes the frame off all 41 header images, columns first, then the rows
    // top to bottom, left image before right.
    void ClearHeaderFrames();

    // Prints the table with its legend below it on one page, under the
    // window's title.
    void printTable(QPrinter &printer) const;

private:
    void buildHeaders();
    void buildCells();
    void setTabOrderOfControls();
    // MouseMove of the cell in row r, column c.
    void cellMouseMove(int row, int column);

    std::array<solubility::HeaderImage *, solubility::kColumns> m_anionImages{};
    std::array<solubility::HeaderImage *, solubility::kRows> m_leftImages{};
    std::array<solubility::HeaderImage *, solubility::kRows> m_rightImages{};
};

} // namespace vielnis
