#pragma once

#include "shell/design_palette.h"

#include <QPainter>
#include <QRect>

namespace vielnis {

// The classic two-pixel three-dimensional edges of fields and buttons, in
// the palette's greys, are drawn with plain fills (much cheaper than styled
// lines).

// One-pixel frame: top and left in one colour, bottom and right in another.
inline void drawFrame(QPainter &painter, const QRect &r, const QColor &topLeft,
                      const QColor &bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

// A sunken edge, as around text fields, or a pressed button.
inline void drawSunkenEdge(QPainter &painter, const QRect &r) {
    drawFrame(painter, r, palette::kShadow, palette::kHighlight);
    drawFrame(painter, r.adjusted(1, 1, -1, -1), palette::kDarkShadow, palette::kFace);
}

// A raised edge, as around a button at rest.
inline void drawRaisedEdge(QPainter &painter, const QRect &r) {
    drawFrame(painter, r, palette::kHighlight, palette::kDarkShadow);
    drawFrame(painter, r.adjusted(1, 1, -1, -1), palette::kFace, palette::kShadow);
}

} // namespace vielnis
