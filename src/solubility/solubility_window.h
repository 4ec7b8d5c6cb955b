#pragma once

#include "shell/handbook_window.h"
#include "solubility/solubility_data.h"

#include <QHash>
#include <QList>
#include <array>
#include <utility>

class QPrinter;

namespace vielnis {

class DesignButton;

namespace solubility {
class HeaderImage;
}

// Form9, the solubility of acids, bases and salts in water: 14 cation rows by
// 13 anion columns of coloured marks. Pointing at a cell frames the formulas
// of its column and of both ends of its row. The arrow keys move the focus
// through the grid, and a cell reached by the keyboard frames its headers as
// pointing at it does.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeaders();
    void buildCells();
    void setTabOrderOfControls(DesignButton *legend);
    // The 41 header images in the order ClearHeaderFrames walks them.
    QList<solubility::HeaderImage *> headerImages() const;
    // MouseMove of the cell in row r, column c.
    void cellMouseMove(int row, int column);
    // The arrow keys on the cell in row r, column c: the neighbouring cell
    // takes the focus; at the grid's edge the focus stays.
    void cellArrow(int row, int column, int key);

    std::array<std::array<DesignButton *, solubility::kColumns>, solubility::kRows> m_cells{};
    std::array<solubility::HeaderImage *, solubility::kColumns> m_anionImages{};
    std::array<solubility::HeaderImage *, solubility::kRows> m_leftImages{};
    std::array<solubility::HeaderImage *, solubility::kRows> m_rightImages{};
    // Each cell's row and column, for the events its filter sees.
    QHash<const QObject *, std::pair<int, int>> m_cellPlaces;
};

} // namespace vielnis
