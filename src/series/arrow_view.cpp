#include "series/arrow_view.h"

#include "series/series_style.h"
#include "shell/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegion>

namespace vielnis::series {

namespace {

constexpr int kLineWidth = 5; // pixels

QPen arrowPen() {
    return QPen(palette::kGreen, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

ArrowView::ArrowView(QWidget *parent, const ArrowLines &lines) : QWidget(parent), m_lines(lines) {
    setObjectName(QStringLiteral("arrow"));
    // Bounds of the lines with room for the pen around them.
    QRect bounds;
    for (const TwipLine &line : m_lines)
        bounds |= QRect(pxPoint(line.x1, line.y1), pxPoint(line.x2, line.y2)).normalized();
    setGeometry(bounds.adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth));

    // The pointer meets the arrow only where its ink is (a pixel to spare).
    QPainterPathStroker stroker(arrowPen());
    stroker.setWidth(kLineWidth + 2);
    QRegion ink;
    for (const QPolygonF &part : stroker.createStroke(path()).toFillPolygons())
        ink |= QRegion(part.toPolygon(), Qt::WindingFill);
    setMask(ink);
}

QPainterPath ArrowView::path() const {
    // Through the middle of the end pixels, so a line of odd width covers
    // whole pixels on either side, as the window system draws it.
    const QPointF origin = QPointF(pos()) - QPointF(0.5, 0.5);
    QPainterPath path;
    for (const TwipLine &line : m_lines) {
        path.moveTo(QPointF(pxPoint(line.x1, line.y1)) - origin);
        path.lineTo(QPointF(pxPoint(line.x2, line.y2)) - origin);
    }
    return path;
}

void ArrowView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(arrowPen());
    painter.drawPath(path());
}

} // namespace vielnis::series
