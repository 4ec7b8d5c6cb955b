#pragma once

#include "shell/design_palette.h"

#include <QPainter>
#include <QRect>

namespace vielnis {

// The classic two-pixel three-dimensional edges of fields and buttons, in
// the palette's greys, are drawn with plain fills (much cheaper than styled
// lines).

// A frame of lines `line` pixels wide (one at the design's size): top and
// left in one colour, bottom and right in another.
inline void drawFrame(QPainter &painter, const QRect &r, const QColor &topLeft,
                      const QColor &bottomRight, int line = 1) {
    painter.fillRect(r.left(), r.top(), r.width(), line, topLeft);
    painter.fillRect(r.left(), r.top(), line, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom() - line + 1, r.width(), line, bottomRight);
    painter.fillRect(r.right() - line + 1, r.top(), line, r.height(), bottomRight);
}

// A sunken edge, as around text fields, or a pressed button; `line` is the
// width of each of its two lines (see zoomedLine).
inline void drawSunkenEdge(QPainter &painter, const QRect &r, int line = 1) {
    drawFrame(painter, r, palette::kShadow, palette::kHighlight, line);
    drawFrame(painter, r.adjusted(line, line, -line, -line), palette::kDarkShadow, palette::kFace,
              line);
}

// A raised edge, as around a button at rest.
inline void drawRaisedEdge(QPainter &painter, const QRect &r, int line = 1) {
    drawFrame(painter, r, palette::kHighlight, palette::kDarkShadow, line);
    drawFrame(painter, r.adjusted(line, line, -line, -line), palette::kFace, palette::kShadow,
              line);
}

} // namespace vielnis
