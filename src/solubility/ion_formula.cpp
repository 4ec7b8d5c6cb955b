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

} // namespace

FormulaPicture::FormulaPicture(const IonFormula &formula) {
    const QFont symbolFont = designFont(kSymbolFont);
    const QFont indexFont = designFont(kIndexFont);
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
            m_outline.addText(QPointF(x, kCountDrop), indexFont, run);
            x += indexMetrics.horizontalAdvance(run);
        } else {
            m_outline.addText(QPointF(x, 0), symbolFont, run);
            x += symbolMetrics.horizontalAdvance(run);
        }
        endsInCount = count;
        i = j;
    }

    // The charge stands over the last count (SO4 2-), or after the symbol.
    QString charge = QString::fromLatin1(formula.charge);
    charge.replace(QLatin1Char('-'), kMinus);
    const qreal chargeLeft = endsInCount ? countStart : x;
    m_outline.addText(QPointF(chargeLeft, -kChargeRaise), indexFont, charge);
    const qreal right = std::max(x, chargeLeft + indexMetrics.horizontalAdvance(charge));

    // Every formula gets the same height, so that all letters come out alike.
    const qreal top = -kChargeRaise - indexMetrics.capHeight();
    const qreal bottom = kCountDrop;
    m_box = QRectF(0, top, right, bottom - top);
}

void FormulaPicture::draw(QPainter &painter, const QRectF &target, const QColor &colour) const {
    const qreal scaleY = target.height() / m_box.height();
    const qreal scaleX = std::min(scaleY, target.width() / m_box.width());
    const qreal width = m_box.width() * scaleX;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.left() + (target.width() - width) / 2, target.top());
    painter.scale(scaleX, scaleY);
    painter.translate(-m_box.topLeft());
    painter.fillPath(m_outline, colour);
    painter.restore();
}

} // namespace vielnis::solubility
