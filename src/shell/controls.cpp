#include "shell/controls.h"

#include <QFontMetricsF>

namespace vielnis {

namespace {
constexpr int kTightestSpacing = 95; // per cent of the design letter spacing

bool fits(const QFont &font, const QString &text, qreal room) {
    const QFontMetricsF metrics(font);
    return qMax(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right()) <= room;
}
} // namespace

QLabel *makeLabel(QWidget *parent, const LabelSpec &look) {
    auto *label = new QLabel(QString::fromUtf8(look.text), parent);
    label->setObjectName(QString::fromLatin1(look.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(look.rect.toPixels());
    label->setFont(designFont(look.font));
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wordWrap);
    setTextColour(label, look.colour);
    // Static texts show the normal pointer, not the window's own cursor.
    label->setCursor(Qt::ArrowCursor);
    return label;
}

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QFont fittedFont(const QFont &design, const QString &text, qreal room) {
    if (fits(design, text, room))
        return design;
    const int size = design.pixelSize();
    QFont candidate = design;
    for (int pixels = size; pixels > 0 && pixels * 4 >= size * 3; --pixels)
        for (int spacing = 100; spacing >= kTightestSpacing; --spacing) {
            candidate = design;
            candidate.setPixelSize(pixels);
            candidate.setLetterSpacing(QFont::PercentageSpacing, spacing);
            if (fits(candidate, text, room))
                return candidate;
        }
    return candidate;
}

} // namespace vielnis
