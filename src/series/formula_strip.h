#pragma once

#include "shell/twips.h"

#include <QWidget>

class QPainter;

namespace vielnis::series {

// One line of chemical formulas in yellow on a transparent ground: every
// digit of the line is an index, set smaller and lowered as a subscript.
struct FormulaLine {
    const char *text;
    qreal points;       // letters, signs and brackets
    qreal indexPoints;  // index digits
    int startTwips;     // from the left edge to the start of the line
    int baselineTwips;  // from the top edge to the main baseline
    int indexDropTwips; // index baseline below the main baseline
};

// Draws the line with its top-left corner at the painter's origin, in
// logical pixels at the zoom.
void drawFormulaLine(QPainter &painter, const FormulaLine &line, qreal zoom = 1.0);

// A picture of a formula line, drawn unscaled from the top-left corner of
// its rectangle. It reacts to nothing.
class FormulaStrip : public QWidget {
public:
    FormulaStrip(QWidget *parent, const char *name, const Twips &rect, const FormulaLine &line);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const FormulaLine &m_line;
};

} // namespace vielnis::series
