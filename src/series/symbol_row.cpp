#include "series/symbol_row.h"

#include "series/symbol_label.h"

#include <QApplication>
#include <QShortcut>
#include <algorithm>

namespace vielnis::series {

SymbolRow::SymbolRow(QWidget *window, QList<SymbolLabel *> symbols)
    : QObject(window), m_row(std::move(symbols)) {
    std::stable_sort(m_row.begin(), m_row.end(),
                     [](const SymbolLabel *a, const SymbolLabel *b) { return a->x() < b->x(); });
    for (SymbolLabel *symbol : m_row) {
        symbol->setFocusPolicy(Qt::NoFocus);
        connect(symbol, &SymbolLabel::clicked, this, [this, symbol] { setCurrent(symbol); });
        connect(symbol, &SymbolLabel::focused, this, [this, symbol] { setCurrent(symbol); });
    }
    // The arrows belong to the row wherever the focus is in the window; its
    // buttons have no use for them.
    for (auto [key, direction] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}}) {
        auto *shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, direction] { step(direction); });
    }
}

void SymbolRow::setCurrent(SymbolLabel *symbol) {
    if (symbol == m_current)
        return;
    if (m_current)
        m_current->setFocusPolicy(Qt::NoFocus);
    m_current = symbol;
    m_current->setFocusPolicy(Qt::TabFocus);
}

void SymbolRow::step(int direction) {
    auto *focused = qobject_cast<SymbolLabel *>(QApplication::focusWidget());
    SymbolLabel *from = focused && m_row.contains(focused) ? focused : m_current.data();
    const qsizetype at = m_row.indexOf(from);
    if (at < 0)
        return;
    const qsizetype next = std::clamp<qsizetype>(at + direction, 0, m_row.size() - 1);
    setCurrent(m_row[next]);
    m_row[next]->setFocus(Qt::TabFocusReason);
}

} // namespace vielnis::series
