#pragma once

#include "shell/twips.h"

#include <QLabel>

namespace vielnis {
struct FontSpec;
}

namespace vielnis::series {

// A clickable element symbol of a series row: transparent, centred, in the
// symbol font, with the pointing-hand cursor. It reports every mouse move
// over it and every click, and can carry a single-line frame that marks the
// selected symbol. Its moves never reach the window behind it. With the
// keyboard focus on it, Enter or Space clicks it. A screen reader names the
// element with its symbol: "Varš, Cu".
class SymbolLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool framed READ isFramed WRITE setFramed)
public:
    SymbolLabel(QWidget *parent, const char *name, const char *caption, const Twips &rect,
                const FontSpec &font);

    bool isFramed() const { return m_framed; }
    void setFramed(bool framed);

    QColor colour() const;
    void setColour(const QColor &colour);

signals:
    void mouseMoved();
    void clicked();
    // The keyboard focus came to the symbol.
    void focused();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_framed = false;
};

} // namespace vielnis::series
