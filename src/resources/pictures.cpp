#include "resources/pictures.h"

#include "resources/photograph.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRectF>
#include <QResource>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vielnis::pictures {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

// A round-ended bar from a to b.
QPainterPath capsule(QPointF a, QPointF b, qreal width) {
    QPainterPath line(a);
    line.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath roundedRect(const QRectF &rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPen outlinePen(const QColor &colour, qreal width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// ---------------------------------------------------------------------------
// Icons (all on a 32 x 32 canvas)
// ---------------------------------------------------------------------------

void paintFlaskAtom(QPainter &p) {
    const QPointF nucleus(16, 19);
    const qreal orbitRx = 14.4;
    const qreal orbitRy = 4.6;
    const qreal orbitAngles[] = {0, 60, -60};
    const qreal electronPhases[] = {300, 200, 335}; // on the front half of each orbit
    const QColor magenta(225, 0, 200);

    auto orbitTransform = [&](qreal angle) {
        QTransform t;
        t.translate(nucleus.x(), nucleus.y());
        t.rotate(angle);
        return t;
    };

    // Back halves of the orbits run behind the flask.
    p.setBrush(Qt::NoBrush);
    for (qreal angle : orbitAngles) {
        p.save();
        p.setTransform(orbitTransform(angle), true);
        p.setPen(QPen(magenta.darker(140), 1.2));
        p.drawArc(QRectF(-orbitRx, -orbitRy, 2 * orbitRx, 2 * orbitRy), 0, 180 * 16);
        p.restore();
    }

    // The flask: a round body and a narrow neck with a lip.
    QPainterPath body = ellipse(QPointF(16, 19.5), 8.6, 8.6);
    QPainterPath neck = roundedRect(QRectF(13.2, 3.5, 5.6, 10), 0.5);
    QPainterPath lip = roundedRect(QRectF(12.2, 2.5, 7.6, 2.4), 1.0);
    QPainterPath flask = body.united(neck).united(lip);

    QLinearGradient glass(8, 0, 24, 0);
    glass.setColorAt(0, QColor(235, 245, 255, 200));
    glass.setColorAt(0.5, QColor(200, 220, 240, 150));
    glass.setColorAt(1, QColor(160, 180, 210, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(flask);

    QPainterPath liquidArea;
    liquidArea.addRect(QRectF(0, 17.5, 32, 20));
    const QPainterPath liquid = body.intersected(liquidArea);
    QLinearGradient blue(0, 17.5, 0, 28);
    blue.setColorAt(0, QColor(90, 170, 255));
    blue.setColorAt(1, QColor(0, 40, 190));
    p.setBrush(blue);
    p.drawPath(liquid);
    // Surface of the liquid.
    p.setPen(QPen(QColor(170, 215, 255), 0.9));
    p.drawLine(QPointF(8.6, 17.6), QPointF(23.4, 17.6));

    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(20, 30, 70), 1.0));
    p.drawPath(flask);

    // Glint on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10, 13.5, 12, 12), 110 * 16, 50 * 16);

    // Front halves of the orbits, with one electron on each.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.setTransform(orbitTransform(orbitAngles[i]), true);
        p.setPen(QPen(magenta, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-orbitRx, -orbitRy, 2 * orbitRx, 2 * orbitRy), 180 * 16, 180 * 16);
        const qreal phase = electronPhases[i] * kPi / 180;
        const QPointF electron(orbitRx * std::cos(phase), -orbitRy * std::sin(phase));
        p.restore();
        const QPointF at = orbitTransform(orbitAngles[i]).map(electron);
        QRadialGradient ball(at + QPointF(-0.6, -0.6), 2.2);
        ball.setColorAt(0, QColor(255, 190, 250));
        ball.setColorAt(1, QColor(170, 0, 150));
        p.setPen(QPen(QColor(90, 0, 80), 0.6));
        p.setBrush(ball);
        p.drawEllipse(at, 1.7, 1.7);
    }
}

const QColor kSBlock(220, 30, 30);
const QColor kDBlock(40, 80, 230);
const QColor kPBlock(250, 150, 20);
const QColor kFBlock(40, 185, 60);

// A block of cells: a dark edge one device-independent unit wide, a shaded
// face inside and a light bevel along the top and left edges. Drawn as fills
// only, so edges on whole units stay crisp.
void paintBlock(QPainter &p, const QPainterPath &shape, const QColor &colour, qreal edge) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(260));
    p.drawPath(shape);
    const QPainterPath face = shape.intersected(shape.translated(edge, edge))
                                  .intersected(shape.translated(-edge, -edge))
                                  .intersected(shape.translated(edge, -edge))
                                  .intersected(shape.translated(-edge, edge));
    QLinearGradient shade(0, 0, 32, 32);
    shade.setColorAt(0, colour.lighter(120));
    shade.setColorAt(1, colour.darker(120));
    p.setBrush(shade);
    p.drawPath(face);
}

QPainterPath rectPath(qreal x0, qreal y0, qreal x1, qreal y1) {
    QPainterPath path;
    path.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return path;
}

// The long-period table: two tall columns at the left, the low transition
// block, the block at the right with helium above it, and the two separate
// rows underneath. Every edge lies on a whole pixel of the 32 x 32 canvas.
void paintTableSilhouette(QPainter &p) {
    // Seven periods of three pixels each, from y = 2 to y = 23.
    auto y = [](int period) { return 2.0 + (period - 1) * 3.0; };

    const QPainterPath s = rectPath(1, y(1), 4, y(8)).united(rectPath(4, y(2), 7, y(8)));
    const QPainterPath d = rectPath(7, y(4), 20, y(8));
    const QPainterPath pBlock = rectPath(20, y(2), 31, y(8));
    const QPainterPath helium = rectPath(28, y(1), 31, y(2));
    const QPainterPath f = rectPath(6, 25, 30, 31);

    paintBlock(p, s, kSBlock, 1);
    paintBlock(p, d, kDBlock, 1);
    paintBlock(p, pBlock, kPBlock, 1);
    paintBlock(p, helium, kSBlock, 1);
    paintBlock(p, f, kFBlock, 1);

    // Period lines: one pixel rows of a darker shade across each block.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    for (int period = 2; period <= 7; ++period) {
        const qreal yy = y(period);
        p.drawRect(QRectF(2, yy, period >= 3 ? 4 : 1, 0.5));
        if (period >= 5)
            p.drawRect(QRectF(8, yy, 11, 0.5));
        if (period >= 3)
            p.drawRect(QRectF(21, yy, 9, 0.5));
    }
    p.drawRect(QRectF(7, 28, 22, 0.5));
    // Column lines where they fall on whole pixels.
    p.drawRect(QRectF(3.75, y(2) + 1, 0.5, y(8) - y(2) - 2));
    for (int x : {10, 13, 16})
        p.drawRect(QRectF(x, y(4) + 1, 0.5, y(8) - y(4) - 2));
    for (int x : {22, 24, 26, 28})
        p.drawRect(QRectF(x, y(2) + 1, 0.5, y(8) - y(2) - 2));
    for (int x : {9, 12, 15, 18, 21, 24, 27})
        p.drawRect(QRectF(x, 26, 0.5, 4));
}

// The same outline with fewer, bolder shapes, readable down to 16 pixels.
// Drawn on a 16-unit grid so that every edge lands on a pixel at 16, 32, 48
// and 64 pixels.
void paintTableSilhouetteSmall(QPainter &p) {
    p.save();
    p.scale(2, 2);
    const QPainterPath s = rectPath(1, 1, 3, 11).united(rectPath(3, 3, 5, 11));
    const QPainterPath d = rectPath(5, 6, 11, 11);
    const QPainterPath pBlock = rectPath(11, 3, 15, 11);
    const QPainterPath helium = rectPath(13, 1, 15, 3);
    const QPainterPath f = rectPath(4, 12, 14, 15);
    paintBlock(p, s, kSBlock, 0.5);
    paintBlock(p, d, kDBlock, 0.5);
    paintBlock(p, pBlock, kPBlock, 0.5);
    paintBlock(p, helium, kSBlock, 0.5);
    paintBlock(p, f, kFBlock, 0.5);
    p.restore();
}

void paintBeaker(QPainter &p) {
    // Side view: straight walls, rounded bottom corners, a pouring lip at the
    // top left.
    QPainterPath glass;
    glass.moveTo(4.5, 3.5);
    glass.quadTo(7.5, 4.0, 7.5, 6.5);
    glass.lineTo(7.5, 26.5);
    glass.quadTo(7.5, 29.5, 10.5, 29.5);
    glass.lineTo(22.5, 29.5);
    glass.quadTo(25.5, 29.5, 25.5, 26.5);
    glass.lineTo(25.5, 5.0);
    glass.quadTo(25.5, 3.5, 27.0, 3.5);
    glass.closeSubpath();

    QPainterPath inside;
    inside.addRoundedRect(QRectF(8.5, 4, 16, 24.5), 2.2, 2.2);

    QLinearGradient clear(7, 0, 26, 0);
    clear.setColorAt(0, QColor(225, 240, 250, 170));
    clear.setColorAt(0.5, QColor(240, 248, 255, 90));
    clear.setColorAt(1, QColor(180, 200, 220, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(clear);
    p.drawPath(glass);

    QPainterPath lower;
    lower.addRect(QRectF(0, 20, 32, 12));
    QPainterPath upper;
    upper.addRect(QRectF(0, 12.5, 32, 7.5));
    QLinearGradient blue(8, 0, 25, 0);
    blue.setColorAt(0, QColor(60, 120, 255));
    blue.setColorAt(1, QColor(0, 30, 170));
    p.setBrush(blue);
    p.drawPath(inside.intersected(lower));
    QLinearGradient red(8, 0, 25, 0);
    red.setColorAt(0, QColor(255, 70, 60));
    red.setColorAt(1, QColor(170, 0, 10));
    p.setBrush(red);
    p.drawPath(inside.intersected(upper));
    // Surface and boundary of the layers.
    p.setPen(QPen(QColor(255, 150, 140), 0.8));
    p.drawLine(QPointF(8.6, 12.9), QPointF(24.4, 12.9));
    p.setPen(QPen(QColor(90, 0, 60), 0.7));
    p.drawLine(QPointF(8.6, 20.0), QPointF(24.4, 20.0));

    // Graduation marks.
    p.setPen(QPen(QColor(40, 50, 70), 0.8));
    for (qreal yy : {8.0, 12.0, 16.0, 20.0, 24.0})
        p.drawLine(QPointF(21.5, yy), QPointF(24.5, yy));
    p.drawLine(QPointF(23, 10), QPointF(24.5, 10));

    // Highlight along the left wall.
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.2, 7), QPointF(10.2, 26));

    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(25, 35, 55), 1.0));
    p.drawPath(glass);
}

void paintArrowWithSquares(QPainter &p, const QColor &square) {
    // Three raised squares.
    for (int i = 0; i < 3; ++i) {
        const QRectF box(2.5 + 9.5 * i, 4.5, 7.0, 7.0);
        QLinearGradient face(box.topLeft(), box.bottomRight());
        face.setColorAt(0, square.lighter(140));
        face.setColorAt(0.5, square);
        face.setColorAt(1, square.darker(150));
        p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(face);
        p.drawRect(box);
        // Bevel light along the top and left edges.
        p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
        p.drawLine(box.topLeft() + QPointF(1, 1), box.topRight() + QPointF(-1, 1));
        p.drawLine(box.topLeft() + QPointF(1, 1), box.bottomLeft() + QPointF(1, -1));
    }

    // The arrow.
    QPainterPath arrow;
    arrow.moveTo(1.5, 18.5);
    arrow.lineTo(20, 18.5);
    arrow.lineTo(20, 14.5);
    arrow.lineTo(30.5, 21.5);
    arrow.lineTo(20, 28.5);
    arrow.lineTo(20, 24.5);
    arrow.lineTo(1.5, 24.5);
    arrow.closeSubpath();
    QLinearGradient red(0, 14.5, 0, 28.5);
    red.setColorAt(0, QColor(255, 105, 95));
    red.setColorAt(0.45, QColor(245, 15, 15));
    red.setColorAt(1, QColor(170, 0, 0));
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(red);
    p.drawPath(arrow);
    p.setPen(QPen(QColor(255, 190, 180, 200), 0.8));
    p.drawLine(QPointF(2.8, 19.7), QPointF(19, 19.7));
}

void paintQuestionMark(QPainter &p) {
    // Centre line of the hook and stem, turned into a thick outline.
    QPainterPath spine;
    spine.moveTo(9.2, 10.5);
    spine.cubicTo(9.2, 5.0, 12.5, 3.2, 16.2, 3.2);
    spine.cubicTo(20.5, 3.2, 23.2, 5.8, 23.2, 9.6);
    spine.cubicTo(23.2, 13.2, 20.5, 14.6, 18.3, 16.0);
    spine.cubicTo(16.6, 17.1, 16.0, 18.2, 16.0, 20.5);
    spine.lineTo(16.0, 21.5);
    QPainterPathStroker stroker;
    stroker.setWidth(4.6);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath glyph = stroker.createStroke(spine);
    glyph = glyph.united(ellipse(QPointF(9.2, 10.3), 2.9, 2.9)); // ball terminal
    glyph = glyph.united(ellipse(QPointF(16.0, 27.0), 2.9, 2.9)).simplified();

    QLinearGradient red(6, 2, 24, 30);
    red.setColorAt(0, QColor(255, 110, 95));
    red.setColorAt(0.4, QColor(245, 10, 10));
    red.setColorAt(1, QColor(165, 0, 0));
    p.setPen(outlinePen(Qt::black, 1.0));
    p.setBrush(red);
    p.drawPath(glyph);

    p.setPen(QPen(QColor(255, 210, 200, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine;
    shine.moveTo(11.0, 7.0);
    shine.cubicTo(12.0, 5.2, 14.0, 4.6, 16.2, 4.6);
    p.drawPath(shine);
    p.drawPoint(QPointF(15.0, 25.8));
}

// A closed outline through the given points, smoothed with Catmull-Rom
// curves; used for the hair and beard, which have no straight edges.
QPainterPath smoothOutline(const std::vector<QPointF> &points) {
    QPainterPath path(points.front());
    const int n = int(points.size());
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = points[(i - 1 + n) % n];
        const QPointF p1 = points[i];
        const QPointF p2 = points[(i + 1) % n];
        const QPointF p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

void paintPortrait(QPainter &p) {
    // An oval medallion in the manner of an old engraving: an old scholar
    // with a high forehead, long wavy hair falling to the shoulders and a
    // long full beard.
    const QRectF oval(2.5, 0.5, 27, 31);
    QPainterPath frame;
    frame.addEllipse(oval);

    p.save();
    p.setClipPath(frame);

    QRadialGradient paper(QPointF(16, 11), 17);
    paper.setColorAt(0, QColor(236, 236, 236));
    paper.setColorAt(1, QColor(178, 178, 178));
    p.fillRect(oval, paper);
    // Engraved hatching of the ground.
    p.setPen(QPen(QColor(80, 80, 80, 60), 0.4));
    for (qreal k = -32; k < 40; k += 1.5)
        p.drawLine(QPointF(k, 32), QPointF(k + 32, 0));

    // Dark frock coat over broad shoulders.
    QPainterPath coat;
    coat.moveTo(0, 32);
    coat.cubicTo(0.5, 26, 4, 22.5, 9.5, 21.5);
    coat.lineTo(22.5, 21.5);
    coat.cubicTo(28, 22.5, 31.5, 26, 32, 32);
    coat.closeSubpath();
    QLinearGradient cloth(0, 21, 0, 32);
    cloth.setColorAt(0, QColor(60, 60, 60));
    cloth.setColorAt(1, QColor(15, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(coat);

    // The mass of hair, wider than the face and ending in locks on the
    // shoulders.
    std::vector<QPointF> hairOutline = {
        {16, 2.6},    {20.5, 3.2}, {23.6, 5.8}, {24.8, 9.6}, {25.8, 13}, {25.2, 16}, {26.4, 19.2},
        {25.4, 22.6}, {23.2, 23},  {21.6, 20},  {16, 19},    {10.4, 20}, {8.8, 23},  {6.6, 22.6},
        {5.6, 19.2},  {6.8, 16},   {6.2, 13},   {7.2, 9.6},  {8.4, 5.8}, {11.5, 3.2}};
    for (QPointF &point : hairOutline)
        point.setX(16 + 0.88 * (point.x() - 16));
    const QPainterPath hair = smoothOutline(hairOutline);
    QLinearGradient hairShade(6, 0, 26, 0);
    hairShade.setColorAt(0.0, QColor(105, 105, 105));
    hairShade.setColorAt(0.35, QColor(175, 175, 175));
    hairShade.setColorAt(0.65, QColor(165, 165, 165));
    hairShade.setColorAt(1.0, QColor(85, 85, 85));
    p.setPen(QPen(QColor(45, 45, 45), 0.5));
    p.setBrush(hairShade);
    p.drawPath(hair);
    // Wavy locks.
    p.setPen(QPen(QColor(55, 55, 55, 200), 0.45, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const qreal x0 = 16 + side * (4.5 + 1.3 * i);
            QPainterPath lock(QPointF(x0, 4.0 + 0.6 * i));
            lock.cubicTo(QPointF(16 + side * (8.2 + i), 7),
                         QPointF(16 + side * (7.0 + 1.4 * i), 12),
                         QPointF(16 + side * (8.4 + 1.0 * i), 15.5));
            lock.cubicTo(QPointF(16 + side * (9.6 + 0.6 * i), 18),
                         QPointF(16 + side * (7.8 + 1.2 * i), 19.5),
                         QPointF(16 + side * (8.6 + 1.1 * i), 21.8));
            p.drawPath(lock);
        }
    }

    // Face: a high forehead and deep-set eyes.
    QPainterPath face;
    face.addEllipse(QRectF(11.3, 5.4, 9.4, 12.6));
    QRadialGradient skin(QPointF(15.2, 8.8), 7.5);
    skin.setColorAt(0, QColor(242, 242, 242));
    skin.setColorAt(0.7, QColor(205, 205, 205));
    skin.setColorAt(1, QColor(150, 150, 150));
    p.setPen(QPen(QColor(70, 70, 70), 0.45));
    p.setBrush(skin);
    p.drawPath(face);

    // Hair parted and swept back from the forehead.
    QPainterPath crown;
    crown.moveTo(11.0, 10.5);
    crown.cubicTo(10.6, 6.5, 12.5, 3.6, 16, 3.5);
    crown.cubicTo(19.5, 3.6, 21.4, 6.5, 21.0, 10.5);
    crown.cubicTo(20.2, 8.2, 18.8, 6.6, 16.6, 6.3);
    crown.lineTo(15.6, 6.9);
    crown.cubicTo(13.6, 6.8, 11.9, 8.0, 11.0, 10.5);
    crown.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawPath(crown);
    p.setPen(QPen(QColor(70, 70, 70, 200), 0.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(16.2, 3.6), QPointF(16.1, 6.5)); // parting

    // Shadowed eye sockets under heavy brows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 120, 160));
    p.drawEllipse(QPointF(14.0, 11.3), 1.6, 1.1);
    p.drawEllipse(QPointF(18.0, 11.3), 1.6, 1.1);
    p.setPen(QPen(QColor(40, 40, 40), 0.85, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.4, 10.1), QPointF(15.1, 10.4));
    p.drawLine(QPointF(16.9, 10.4), QPointF(19.6, 10.1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(14.1, 11.5), 0.6, 0.5);
    p.drawEllipse(QPointF(17.9, 11.5), 0.6, 0.5);
    // Nose with its shadow on the right.
    p.setPen(QPen(QColor(80, 80, 80), 0.55, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose;
    nose.moveTo(16.4, 11.6);
    nose.cubicTo(16.9, 12.8, 17.2, 13.8, 16.8, 14.3);
    nose.lineTo(15.5, 14.4);
    p.drawPath(nose);

    // The long full beard, broad below the cheeks and reaching far down
    // the chest, with a wavy edge.
    const QPainterPath beard =
        smoothOutline({{11.2, 12.6}, {12.6, 14.6}, {14.5, 15.0}, {16, 14.6},   {17.5, 15.0},
                       {19.4, 14.6}, {20.8, 12.6}, {22.2, 15.2}, {22.9, 18.6}, {22.3, 21.8},
                       {21.6, 25.0}, {19.8, 28.0}, {17.6, 30.6}, {16.2, 32.2}, {14.6, 30.4},
                       {12.3, 27.8}, {10.5, 24.8}, {9.7, 21.8},  {9.1, 18.6},  {9.8, 15.2}});
    QLinearGradient beardShade(9, 0, 23, 0);
    beardShade.setColorAt(0.0, QColor(125, 125, 125));
    beardShade.setColorAt(0.4, QColor(215, 215, 215));
    beardShade.setColorAt(0.6, QColor(200, 200, 200));
    beardShade.setColorAt(1.0, QColor(110, 110, 110));
    p.setPen(QPen(QColor(45, 45, 45), 0.5));
    p.setBrush(beardShade);
    p.drawPath(beard);
    // Moustache drooping over the mouth into the beard.
    QPainterPath moustache;
    moustache.moveTo(16, 14.8);
    moustache.cubicTo(14.6, 14.4, 13.0, 15.0, 12.5, 17.4);
    moustache.cubicTo(13.8, 16.4, 15.0, 16.3, 16, 16.4);
    moustache.cubicTo(17.0, 16.3, 18.2, 16.4, 19.5, 17.4);
    moustache.cubicTo(19.0, 15.0, 17.4, 14.4, 16, 14.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(115, 115, 115));
    p.drawPath(moustache);
    // Wavy strands of the beard.
    p.setPen(QPen(QColor(60, 60, 60, 190), 0.42, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = -3; i <= 3; ++i) {
        QPainterPath strand(QPointF(16 + 1.6 * i, 17.6 + 0.15 * std::abs(i)));
        strand.cubicTo(QPointF(16 + 1.9 * i + 0.6, 20.5), QPointF(16 + 1.5 * i - 0.6, 23.5),
                       QPointF(16 + 1.2 * i, 25.5));
        strand.cubicTo(QPointF(16 + 1.0 * i + 0.5, 27), QPointF(16 + 0.6 * i, 28.5),
                       QPointF(16 + 0.35 * i, 30.5));
        p.drawPath(strand);
    }
    p.restore();

    // Frame of the medallion.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 1.0));
    p.drawEllipse(oval.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintTick(QPainter &p) {
    QPainterPath tick;
    tick.moveTo(3.0, 17.0);
    tick.quadTo(5.0, 14.5, 7.2, 13.6);
    tick.lineTo(12.2, 19.6);
    tick.cubicTo(16.5, 12.0, 21.5, 6.5, 27.0, 3.2);
    tick.quadTo(28.5, 4.5, 29.2, 6.6);
    tick.cubicTo(22.5, 11.5, 17.0, 19.0, 13.0, 28.0);
    tick.quadTo(11.8, 28.6, 10.6, 27.8);
    tick.closeSubpath();
    p.setPen(outlinePen(Qt::black, 0.6));
    p.setBrush(Qt::black);
    p.drawPath(tick);
}

void paintPicture(Picture picture, QPainter &p) {
    switch (picture) {
    case Picture::Bubbles:
    case Picture::BubblesLarge:
        break; // shaded per pixel, see photograph()
    case Picture::FlaskAtom:
        paintFlaskAtom(p);
        break;
    case Picture::TableSilhouette:
        paintTableSilhouette(p);
        break;
    case Picture::TableSilhouetteSmall:
        paintTableSilhouetteSmall(p);
        break;
    case Picture::Beaker:
        paintBeaker(p);
        break;
    case Picture::ArrowBlueSquares:
        paintArrowWithSquares(p, QColor(30, 60, 240));
        break;
    case Picture::ArrowGreenSquares:
        paintArrowWithSquares(p, QColor(20, 200, 40));
        break;
    case Picture::ArrowWhiteSquares:
        paintArrowWithSquares(p, QColor(235, 235, 235));
        break;
    case Picture::QuestionMark:
        paintQuestionMark(p);
        break;
    case Picture::Portrait:
        paintPortrait(p);
        break;
    case Picture::Tick:
        paintTick(p);
        break;
    }
}

bool isOpaque(Picture picture) {
    return picture == Picture::Bubbles || picture == Picture::BubblesLarge;
}

// The photograph at the plain resolution, as embedded, or at a multiple of
// it, shaded now.
QImage photographCopy(Picture picture, int scale) {
    if (scale > 1) {
        QImage image = photograph(picture, logicalSize(picture) * scale);
        image.setDevicePixelRatio(scale);
        return image;
    }
    const QString name = picture == Picture::BubblesLarge ? QStringLiteral("bubbles-large")
                                                          : QStringLiteral("bubbles");
    // The plain copy is stored as raw pixels, uncompressed, so the first
    // window paints it without decoding anything; where the build
    // compressed it (the Windows exe), it is unpacked once.
    const QResource raw(QStringLiteral(":/pictures/%1.rgb32").arg(name));
    const QSize size = logicalSize(picture);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (raw.compressionAlgorithm() != QResource::NoCompression) {
        const QByteArray unpacked = raw.uncompressedData();
        if (unpacked.size() != bytes)
            return QImage();
        return QImage(reinterpret_cast<const uchar *>(unpacked.constData()), size.width(),
                      size.height(), QImage::Format_RGB32)
            .copy();
    }
    if (raw.size() != bytes)
        return QImage();
    const QImage pixels(raw.data(), size.width(), size.height(), QImage::Format_RGB32);
    // Pixels must be read on 32-bit boundaries; copy them where the resource
    // data happens not to lie on one.
    return quintptr(raw.data()) % alignof(quint32) == 0 ? pixels : pixels.copy();
}

QSize deviceSizeFor(QSize logical, qreal devicePixelRatio) {
    return QSize(int(std::ceil(logical.width() * devicePixelRatio - 0.01)),
                 int(std::ceil(logical.height() * devicePixelRatio - 0.01)));
}

// ---------------------------------------------------------------------------
// Cursors
// ---------------------------------------------------------------------------

struct HandPart {
    QPainterPath shape;
    bool cuff;
};

// A gloved hand with the index finger raised; the fingertip is at (12, 0.5).
std::vector<HandPart> pointingHandParts() {
    std::vector<HandPart> parts;
    parts.push_back({roundedRect(QRectF(8.5, 12.5, 15.5, 13.5), 4.0), false});       // back
    parts.push_back({roundedRect(QRectF(14.0, 9.8, 4.6, 8.2), 2.3), false});         // middle
    parts.push_back({roundedRect(QRectF(17.8, 10.8, 4.4, 7.6), 2.2), false});        // ring
    parts.push_back({roundedRect(QRectF(21.2, 12.4, 3.9, 6.8), 1.95), false});       // little
    parts.push_back({roundedRect(QRectF(9.5, 0.5, 5.0, 16.0), 2.5), false});         // index
    parts.push_back({capsule(QPointF(12.0, 20.0), QPointF(7.4, 16.6), 4.6), false}); // thumb
    parts.push_back({roundedRect(QRectF(9.5, 25.0, 14.0, 6.0), 1.2), true});         // cuff
    return parts;
}

// A gloved hand with all five fingers spread; the palm's centre is (16, 16).
std::vector<HandPart> openHandParts() {
    std::vector<HandPart> parts;
    parts.push_back({capsule(QPointF(12.0, 15.5), QPointF(9.0, 4.2), 4.4), false});  // index
    parts.push_back({capsule(QPointF(15.6, 14.5), QPointF(15.4, 2.3), 4.4), false}); // middle
    parts.push_back({capsule(QPointF(19.0, 15.0), QPointF(21.4, 3.8), 4.2), false}); // ring
    parts.push_back({capsule(QPointF(21.5, 17.0), QPointF(26.6, 8.6), 3.8), false}); // little
    parts.push_back({capsule(QPointF(11.0, 21.5), QPointF(3.6, 14.6), 4.6), false}); // thumb
    parts.push_back({roundedRect(QRectF(9.0, 12.0, 15.0, 14.5), 4.5), false});       // palm
    parts.push_back({roundedRect(QRectF(10.0, 25.0, 13.0, 6.0), 1.2), true});        // cuff
    return parts;
}

void paintGlove(QPainter &p, const std::vector<HandPart> &parts, bool palmLast) {
    QLinearGradient white(0, 0, 32, 32);
    white.setColorAt(0, QColor(255, 255, 255));
    white.setColorAt(1, QColor(200, 205, 218));
    QLinearGradient blue(0, 25, 0, 31);
    blue.setColorAt(0, QColor(90, 140, 255));
    blue.setColorAt(1, QColor(10, 40, 170));
    const QPen outline = outlinePen(Qt::black, 1.0);

    // Fingers first, then the palm over their roots, so the spread hand reads
    // as one piece; for the pointing hand the parts are already in order.
    std::vector<const HandPart *> order;
    for (const HandPart &part : parts)
        order.push_back(&part);
    if (palmLast)
        std::stable_partition(order.begin(), order.end(), [&](const HandPart *part) {
            return part != &parts[parts.size() - 2];
        });
    for (const HandPart *part : order) {
        p.setPen(outline);
        p.setBrush(part->cuff ? QBrush(blue) : QBrush(white));
        p.drawPath(part->shape);
        if (part->cuff) {
            p.setPen(QPen(QColor(200, 220, 255), 0.8));
            const QRectF box = part->shape.boundingRect();
            p.drawLine(QPointF(box.left() + 1.5, box.top() + 2.0),
                       QPointF(box.right() - 1.5, box.top() + 2.0));
        }
    }
}

void paintPointingHand(QPainter &p) {
    paintGlove(p, pointingHandParts(), false);
    // Stitching on the back of the glove.
    p.setPen(QPen(QColor(110, 110, 130), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 20.0), QPointF(15.5, 23.5));
    p.drawLine(QPointF(18.5, 20.0), QPointF(18.5, 23.5));
    p.drawLine(QPointF(21.5, 20.0), QPointF(21.5, 23.5));
}

void paintOpenHand(QPainter &p) {
    paintGlove(p, openHandParts(), true);
    // Lines of the palm.
    p.setPen(QPen(QColor(110, 110, 130), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath crease;
    crease.moveTo(12.5, 17.0);
    crease.quadTo(16.5, 19.5, 21.0, 16.5);
    p.drawPath(crease);
    p.drawLine(QPointF(16.0, 20.5), QPointF(16.0, 23.5));
}

void paintSilverHand(QPainter &p) {
    // The pointing hand made smaller and leaning left, so that the fingertip
    // sits in the very corner of the cell. At this size the separate finger
    // outlines would only blur, so the hand is one silhouette.
    constexpr qreal scale = 0.56;
    QTransform lean;
    lean.translate(0.7, 0.5);
    lean.rotate(-22);
    lean.scale(scale, scale);
    lean.translate(-12.0, -0.5);

    QPainterPath hand;
    QPainterPath cuff;
    for (const HandPart &part : pointingHandParts()) {
        if (part.cuff)
            cuff = lean.map(part.shape);
        else
            hand = hand.united(lean.map(part.shape));
    }
    hand = hand.simplified();

    QLinearGradient metal(0, 0, 16, 12);
    metal.setColorAt(0.00, QColor(250, 250, 252));
    metal.setColorAt(0.30, QColor(160, 162, 172));
    metal.setColorAt(0.50, QColor(230, 231, 236));
    metal.setColorAt(0.75, QColor(128, 130, 140));
    metal.setColorAt(1.00, QColor(205, 207, 214));
    QLinearGradient darkMetal(0, 10, 14, 18);
    darkMetal.setColorAt(0, QColor(150, 152, 162));
    darkMetal.setColorAt(1, QColor(70, 72, 82));

    const QPen outline = outlinePen(Qt::black, 1.0);
    p.setPen(outline);
    p.setBrush(metal);
    p.drawPath(hand);
    p.setBrush(darkMetal);
    p.drawPath(cuff);
    // Where the raised finger meets the folded ones.
    p.setPen(QPen(QColor(40, 40, 48), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lean.map(QPointF(14.5, 11.5)), lean.map(QPointF(14.5, 16.0)));
}

// Cursors, kept for the life of the application. They are dropped when the
// application object goes away, so no pixmap outlives it.
QHash<quint64, QCursor> &cursorCache();

void dropCaches() {
    cursorCache().clear();
}

void registerCleanup() {
    static bool registered = false;
    if (!registered) {
        registered = true;
        qAddPostRoutine(dropCaches);
    }
}

QHash<quint64, QCursor> &cursorCache() {
    static QHash<quint64, QCursor> cache;
    registerCleanup();
    return cache;
}

// A window icon drawn only at the sizes the window system asks for.
class PictureIconEngine : public QIconEngine {
public:
    PictureIconEngine(Picture picture, QList<QSize> sizes)
        : m_picture(picture), m_sizes(std::move(sizes)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override {
        draw(m_picture, *painter, QRectF(rect));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override {
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            draw(m_picture, painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
        }
        QPixmap result = QPixmap::fromImage(image);
        result.setDevicePixelRatio(scale);
        return result;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }
    QIconEngine *clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("vielnis-picture"); }

private:
    Picture m_picture;
    QList<QSize> m_sizes;
};

} // namespace

QSize logicalSize(Picture picture) {
    switch (picture) {
    case Picture::Bubbles:
        return QSize(739, 487);
    case Picture::BubblesLarge:
        return QSize(836, 529);
    default:
        return QSize(32, 32);
    }
}

void draw(Picture picture, QPainter &painter, const QRectF &target) {
    const QSize size = logicalSize(picture);
    if (isOpaque(picture)) {
        const QTransform toDevice = painter.deviceTransform();
        const qreal scale =
            std::hypot(toDevice.m11(), toDevice.m12()) * target.width() / size.width();
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, backdrop(picture, scale));
        painter.restore();
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    paintPicture(picture, painter);
    painter.restore();
}

QImage backdrop(Picture picture, qreal scale) {
    // The copies at the plain resolution and its multiples, made once; and
    // the last reduced one, kept while windows are shown at its scale.
    static QHash<int, QImage> copies; // by picture and multiple
    struct Reduced {
        qreal scale = 0;
        QImage image;
    };
    static QHash<int, Reduced> reduced; // by picture
    auto copy = [picture](int multiple) {
        const int key = int(picture) * 16 + multiple;
        auto found = copies.constFind(key);
        if (found == copies.constEnd())
            found = copies.insert(key, photographCopy(picture, multiple));
        return *found;
    };
    if (scale <= 1.0)
        return copy(1);
    int larger = kDensePhotographScales.back();
    for (int multiple : kDensePhotographScales)
        if (multiple >= scale - 0.001) {
            larger = multiple;
            break;
        }
    if (std::abs(scale - larger) < 0.001 || scale > larger)
        return copy(larger);
    Reduced &kept = reduced[int(picture)];
    if (kept.scale != scale || kept.image.isNull()) {
        const QSize device = deviceSizeFor(logicalSize(picture), scale);
        kept.image = copy(larger).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        kept.image.setDevicePixelRatio(scale);
        kept.scale = scale;
    }
    return kept.image;
}

QIcon icon(Picture picture) {
    // The table legend's icon carries a 48-pixel image as well.
    QList<QSize> sizes{QSize(16, 16), QSize(32, 32), QSize(64, 64)};
    if (picture == Picture::TableSilhouetteSmall)
        sizes.insert(2, QSize(48, 48));
    return QIcon(new PictureIconEngine(picture, sizes));
}

QCursor cursor(Cursor which) {
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QHash<quint64, QCursor> &cache = cursorCache();
    const quint64 key = (quint64(which) << 32) | quint64(std::llround(dpr * 1000));
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    const QSize device = deviceSizeFor(QSize(32, 32), dpr);
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    QPoint hotSpot;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        switch (which) {
        case Cursor::PointingHand:
            paintPointingHand(p);
            hotSpot = QPoint(12, 1);
            break;
        case Cursor::OpenHand:
            paintOpenHand(p);
            hotSpot = QPoint(16, 14);
            break;
        case Cursor::SilverHand:
            paintSilverHand(p);
            hotSpot = QPoint(0, 0);
            break;
        }
    }
    QPixmap pix = QPixmap::fromImage(image);
    pix.setDevicePixelRatio(dpr);
    // The hot spot is given in logical pixels, like the picture itself.
    const QCursor result(pix, hotSpot.x(), hotSpot.y());
    cache.insert(key, result);
    return result;
}

} // namespace vielnis::pictures
