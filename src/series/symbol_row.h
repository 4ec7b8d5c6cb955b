#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace vielnis::series {

class SymbolLabel;

// The keyboard's way along a row of symbols. The row is one stop in the
// window's tab order, standing at the current symbol: the one last chosen
// or reached. Left and Right move the focus to the neighbouring symbol, from
// the focused one or, while the focus is elsewhere in the window, from the
// current one; at either end of the row they stay. Enter or Space on a
// symbol chooses it as a click does (SymbolLabel).
class SymbolRow : public QObject {
    Q_OBJECT
public:
    // The symbols in any order; the row runs left to right as they stand.
    SymbolRow(QWidget *window, QList<SymbolLabel *> symbols);

    // The symbol the row's tab stop stands at.
    SymbolLabel *current() const { return m_current; }
    void setCurrent(SymbolLabel *symbol);

private:
    void step(int direction);

    QList<SymbolLabel *> m_row; // left to right
    QPointer<SymbolLabel> m_current;
};

} // namespace vielnis::series
