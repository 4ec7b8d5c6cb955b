#include "solubility/ion_formula.h"

#include "shell/design_fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vielnis::solubility {

namespace {

// Laid out at a large size, then scaled to the picture.
const FontSpec kSymbolFont{Face::Serif, 75, true}; // 100 pixels
const FontSpec kIndexFont{Face::Serif, 45, true};  // counts and charges, 60 pixels
constexpr qreal kCountDrop = 24;   // baseline of a count below the symbols' baseline
constexpr qreal kChargeRaise = 42; // baseline of a charge above the symbols' baseline

const QChar kMinus(0x2212);

QFont runFont(bool index) {
    return designFont(index ? kIndexFont : kSymbolFont);
}

} // namespace

FormulaPicture::FormulaPicture(const IonFormula &formula) {
    const QFont symbolFont = runFont(false);
    const QFont indexFont = runFont(true);
    const QFontMetricsF symbolMetrics(symbolFont);
    const QFontMetricsF indexMetrics(indexFont);

    qreal x = 0;
    qreal countStart = 0; // where the trailing count began, if the body ends in one
    bool endsInCount = false;
    const QString body = QString::fromLatin1(formula.body);
    for (qsizetype i = 0; i < body.size();) {
        const bool count = body[i].isDigit();
        qsizetype j = i;
        while (j < body.size() && body[j].isDigit() == count)
            ++j;
        const QString run = body.mid(i, j - i);
        if (count) {
            countStart = x;
            m_runs.push_back({QPointF(x, kCountDrop), true, run});
            x += indexMetrics.horizontalAdvance(run);
        } else {
            m_runs.push_back({QPointF(x, 0), false, run});
            x += symbolMetrics.horizontalAdvance(run);
        }
        endsInCount = count;
        i = j;
    }

    // The charge stands over the last count (SO4 2-), or after the symbol.
    QString charge = QString::fromLatin1(formula.charge);
    charge.replace(QLatin1Char('-'), kMinus);
    const qreal chargeLeft = endsInCount ? countStart : x;
    m_runs.push_back({QPointF(chargeLeft, -kChargeRaise), true, charge});
    for (const Run &run : m_runs)
        m_outline.addText(run.origin, run.index ? indexFont : symbolFont, run.text);
    const qreal right = std::max(x, chargeLeft + indexMetrics.horizontalAdvance(charge));

    // Every formula gets the same height, so that all letters come out alike.
    const qreal top = -kChargeRaise - indexMetrics.capHeight();
    const qreal bottom = kCountDrop;
    m_box = QRectF(0, top, right, bottom - top);
}

void FormulaPicture::place(QPainter &painter, const QRectF &target) const {
    const qreal scaleY = target.height() / m_box.height();
    const qreal scaleX = std::min(scaleY, target.width() / m_box.width());
    const qreal width = m_box.width() * scaleX;
    painter.translate(target.left() + (target.width() - width) / 2, target.top());
    painter.scale(scaleX, scaleY);
    painter.translate(-m_box.topLeft());
}

void FormulaPicture::draw(QPainter &painter, const QRectF &target, const QColor &colour) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    place(painter, target);
    painter.fillPath(m_outline, colour);
    painter.restore();
}

void FormulaPicture::drawAsText(QPainter &painter, const QRectF &target,
                                const QColor &colour) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    place(painter, target);
    painter.setPen(colour);
    for (const Run &run : m_runs) {
        painter.setFont(runFont(run.index));
        painter.drawText(run.origin, run.text);
    }
    painter.restore();
}

} // namespace vielnis::solubility
