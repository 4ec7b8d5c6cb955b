#include "table/symbol_picture.h"

#include "shell/design_fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vielnis {

namespace {
constexpr qreal kPictureSize = 32;
constexpr qreal kLetterPixels = 15; // capitals about 10 pixels high
} // namespace

void drawElementSymbol(QPainter &painter, const QRectF &target, const QString &symbol,
                       const QColor &colour, int stars) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kPictureSize, target.height() / kPictureSize);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont font = designFont({Face::Serif, 12, true});
    font.setPixelSize(int(kLetterPixels));
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font);
    const qreal capHeight = metrics.capHeight();
    const qreal width = metrics.horizontalAdvance(symbol);
    const qreal left = (kPictureSize - width) / 2;
    if (stars == 0) {
        const qreal baseline = (kPictureSize + capHeight) / 2;
        painter.drawText(QPointF(left, baseline), symbol);
    } else {
        const qreal baseline = 4 + capHeight;
        painter.drawText(QPointF(left, baseline), symbol);
        const QString starText = stars == 1 ? QStringLiteral("*") : QStringLiteral("* *");
        const qreal starWidth = metrics.horizontalAdvance(starText);
        painter.drawText(QPointF((kPictureSize - starWidth) / 2, baseline + capHeight + 6),
                         starText);
    }
    painter.restore();
}

} // namespace vielnis
