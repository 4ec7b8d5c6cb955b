#include "series/arrow_view.h"

#include "series/series_style.h"
#include "shell/twips.h"
#include "shell/zoom.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegion>

namespace vielnis::series {

namespace {

constexpr int kLineWidth = 5; // pixels at the design's size

QPen arrowPen(qreal zoom) {
    return QPen(palette::kGreen, zoomed(kLineWidth, zoom), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

} // namespace

ArrowView::ArrowView(QWidget *parent, const ArrowLines &lines) : QWidget(parent), m_lines(lines) {
    setObjectName(QStringLiteral("arrow"));
    // Bounds of the lines with room for the pen around them.
    QRect bounds;
    for (const TwipLine &line : m_lines)
        bounds |= QRect(pxPoint(line.x1, line.y1), pxPoint(line.x2, line.y2)).normalized();
    setGeometry(bounds.adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth));
    takeInk();
}

void ArrowView::takeInk() {
    // The pointer meets the arrow only where its ink is (a pixel to spare).
    const qreal zoom = zoomOf(this);
    QPainterPathStroker stroker(arrowPen(zoom));
    stroker.setWidth(zoomed(kLineWidth, zoom) + 2);
    QRegion ink;
    for (const QPolygonF &part : stroker.createStroke(path(zoom)).toFillPolygons())
        ink |= QRegion(part.toPolygon(), Qt::WindingFill);
    setMask(ink);
}

bool ArrowView::event(QEvent *event) {
    if (event->type() == ZoomEvent::type())
        takeInk(); // the window has given the arrow its rectangle at the zoom
    return QWidget::event(event);
}

QPainterPath ArrowView::path(qreal zoom) const {
    // Through the middle of the end pixels, so a line of odd width covers
    // whole pixels on either side, as the window system draws it.
    const QPointF origin = QPointF(pos()) - QPointF(0.5, 0.5);
    QPainterPath path;
    for (const TwipLine &line : m_lines) {
        path.moveTo(QPointF(zoomed(pxPoint(line.x1, line.y1), zoom)) - origin);
        path.lineTo(QPointF(zoomed(pxPoint(line.x2, line.y2), zoom)) - origin);
    }
    return path;
}

void ArrowView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal zoom = zoomOf(this);
    painter.setPen(arrowPen(zoom));
    painter.drawPath(path(zoom));
}

} // namespace vielnis::series
