#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRectF;

namespace vielnis {

// Draws an element button's picture into a 32 x 32 target: the symbol in bold
// serif letters of the given colour on a transparent ground. stars > 0 draws
// the symbol higher with that many stars under it (lanthanum, actinium).
void drawElementSymbol(QPainter &painter, const QRectF &target, const QString &symbol,
                       const QColor &colour, int stars);

} // namespace vielnis
