#pragma once

#include "shell/design_palette.h"

#include <QPainter>
#include <QRect>

namespace vielnis {

// The classic two-pixel three-dimensional edges of fields and buttons,
// drawn with plain fills (much cheaper than styled lines).
namespace edge {
inline const QColor &kHighlight = palette::kHighlight;
inline const QColor &kLight = palette::kFace;
inline const QColor &kShadow = palette::kShadow;
inline const QColor &kDarkShadow = palette::kDarkShadow;
} // namespace edge

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
    drawFrame(painter, r, edge::kShadow, edge::kHighlight);
    drawFrame(painter, r.adjusted(1, 1, -1, -1), edge::kDarkShadow, edge::kLight);
}

// A raised edge, as around a button at rest.
inline void drawRaisedEdge(QPainter &painter, const QRect &r) {
    drawFrame(painter, r, edge::kHighlight, edge::kDarkShadow);
    drawFrame(painter, r.adjusted(1, 1, -1, -1), edge::kLight, edge::kShadow);
}

} // namespace vielnis
