#pragma once

#include "solubility/solubility_data.h"

#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <vector>

class QColor;
class QPainter;

namespace vielnis::solubility {

// An ion's formula as a vector picture: the symbols in bold serif letters,
// atom counts lowered and smaller, the charge raised above the last count.
// Drawn scaled, it is sharp at any size.
class FormulaPicture {
public:
    explicit FormulaPicture(const IonFormula &formula);

    // Fills target: the formula's height (from the top of the charge to the
    // foot of the counts) spans the target's height; a formula too wide for
    // that is narrowed to the target's width. Centred across.
    void draw(QPainter &painter, const QRectF &target, const QColor &colour) const;
    // The same, laid out the same way, as text: a printed page keeps the
    // formula as letters that can be searched and copied.
    void drawAsText(QPainter &painter, const QRectF &target, const QColor &colour) const;

    // The outlines of the letters, and the box they are laid out in.
    const QPainterPath &outline() const { return m_outline; }
    const QRectF &box() const { return m_box; }

private:
    // One run of letters or digits in one font, on its own baseline.
    struct Run {
        QPointF origin;
        bool index; // a count or a charge, in the smaller font
        QString text;
    };
    // Maps the layout onto the target.
    void place(QPainter &painter, const QRectF &target) const;

    std::vector<Run> m_runs;
    QPainterPath m_outline;
    QRectF m_box;
};

} // namespace vielnis::solubility
