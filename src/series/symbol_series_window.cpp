#include "series/symbol_series_window.h"

#include "series/symbol_label.h"
#include "series/symbol_row.h"

namespace vielnis::series {

SymbolSeriesWindow::SymbolSeriesWindow(WindowId id, WindowSet &windows, const SeriesLook &look,
                                       const std::vector<SeriesSymbol> &symbols)
    : HandbookWindow(id, windows) {
    makeSeriesTitle(client(), look.title, look.titleRect);
    new ArrowView(client(), look.arrow);

    for (std::size_t row = 0; row < symbols.size(); ++row) {
        const SeriesSymbol &entry = symbols[row];
        auto *label = new SymbolLabel(client(), entry.name, entry.caption, entry.rect, entry.font);
        m_symbols.append(label);
        connect(label, &SymbolLabel::mouseMoved, this, [this, row] { pointAt(row); });
        connect(label, &SymbolLabel::clicked, this, [this, row] { select(row); });
    }

    connect(client(), &ClientArea::backgroundMouseMove, this, &SymbolSeriesWindow::resetColours);
}

void SymbolSeriesWindow::selectOnOpening(const char *name) {
    auto *keyboard = new SymbolRow(this, m_symbols);
    for (std::size_t row = 0; row < std::size_t(m_symbols.size()); ++row)
        if (symbol(row)->objectName() == QLatin1String(name)) {
            select(row);
            keyboard->setCurrent(symbol(row));
        }
}

void SymbolSeriesWindow::resetColours() {
    for (SymbolLabel *label : m_symbols)
        label->setColour(palette::kYellow);
}

void SymbolSeriesWindow::clearBorders() {
    for (SymbolLabel *label : m_symbols)
        label->setFramed(false);
}

void SymbolSeriesWindow::pointAt(std::size_t row) {
    resetColours();
    symbol(row)->setColour(palette::kGreen);
}

void SymbolSeriesWindow::select(std::size_t row) {
    clearBorders();
    symbol(row)->setFramed(true);
    showSelected(row);
}

} // namespace vielnis::series
