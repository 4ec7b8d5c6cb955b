#pragma once

#include "series/arrow_view.h"
#include "series/series_style.h"
#include "shell/handbook_window.h"

#include <QList>
#include <vector>

namespace vielnis::series {

class SymbolLabel;

// One symbol of a series row: its control's name, the symbol it shows, its
// place and its font.
struct SeriesSymbol {
    const char *name;
    const char *caption;
    Twips rect;
    FontSpec font = kSymbolFont;
};

// What a symbol series draws besides its symbols: the title and the arrow.
struct SeriesLook {
    const char *title;
    Twips titleRect;
    ArrowLines arrow;
};

// Base of the series whose symbols can be chosen: a row of yellow element
// symbols over a green arrow under a green title. Pointing at a symbol
// colours it green, and the bare background takes the colour off again;
// clicking a symbol frames it alone, and the window tells what it says of the
// element. The arrow keys walk the row (SymbolRow).
class SymbolSeriesWindow : public HandbookWindow {
    Q_OBJECT
protected:
    // The symbols in the order the reset routines walk them; the keyboard
    // walks them as they stand, left to right.
    SymbolSeriesWindow(WindowId id, WindowSet &windows, const SeriesLook &look,
                       const std::vector<SeriesSymbol> &symbols);

    // The named symbol is selected and is where the row's keyboard stop
    // stands. Called last by the window's constructor, once the controls
    // that show a selection exist.
    void selectOnOpening(const char *name);

    SymbolLabel *symbol(std::size_t row) const { return m_symbols[qsizetype(row)]; }

    // Every symbol back to yellow.
    void resetColours();
    // No symbol framed.
    void clearBorders();

    // The pointer moved over the symbol: it alone shows green.
    virtual void pointAt(std::size_t row);
    // The symbol was clicked and is the one framed now: show what it says.
    virtual void showSelected(std::size_t row) = 0;

private:
    void select(std::size_t row);

    QList<SymbolLabel *> m_symbols;
};

} // namespace vielnis::series
