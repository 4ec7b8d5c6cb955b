#include "series/formula_strip.h"

#include "series/series_style.h"
#include "shell/design_fonts.h"
#include "shell/zoom.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace vielnis::series {

namespace {

constexpr int kTwipsPerPoint = 20;

// The font at its exact size, in twips: the line is laid out in twips and
// scaled to the screen, as a vector picture is.
QFont fontInTwips(qreal points) {
    QFont font = designFont({Face::Serif, points});
    font.setPixelSize(int(std::lround(points * kTwipsPerPoint)));
    return font;
}

bool isIndex(QChar ch) {
    return ch.isDigit();
}

} // namespace

void drawFormulaLine(QPainter &painter, const FormulaLine &line, qreal zoom) {
    const QFont mainFont = fontInTwips(line.points);
    const QFont indexFont = fontInTwips(line.indexPoints);
    const QFontMetricsF mainMetrics(mainFont);
    const QFontMetricsF indexMetrics(indexFont);
    const qreal baseline = line.baselineTwips;
    const qreal indexBaseline = line.baselineTwips + line.indexDropTwips;

    painter.save();
    painter.scale(zoom / kTwipsPerPixel, zoom / kTwipsPerPixel);
    painter.setPen(palette::kYellow);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QString text = QString::fromUtf8(line.text);
    qreal x = line.startTwips;
    // Runs of letters and signs alternate with runs of index digits.
    for (qsizetype start = 0; start < text.size();) {
        const bool index = isIndex(text[start]);
        qsizetype end = start;
        while (end < text.size() && isIndex(text[end]) == index)
            ++end;
        const QString run = text.mid(start, end - start);
        painter.setFont(index ? indexFont : mainFont);
        painter.drawText(QPointF(x, index ? indexBaseline : baseline), run);
        x += (index ? indexMetrics : mainMetrics).horizontalAdvance(run);
        start = end;
    }
    painter.restore();
}

FormulaStrip::FormulaStrip(QWidget *parent, const char *name, const Twips &rect,
                           const FormulaLine &line)
    : QWidget(parent), m_line(line) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(rect.toPixels());
    setCursor(Qt::ArrowCursor);
}

void FormulaStrip::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    drawFormulaLine(painter, m_line, zoomOf(this));
}

} // namespace vielnis::series
