#include "shell/controls.h"

namespace vielnis {

QLabel *makeLabel(QWidget *parent, const LabelSpec &spec) {
    auto *label = new QLabel(QString::fromUtf8(spec.text), parent);
    label->setObjectName(QString::fromLatin1(spec.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(spec.rect.toPixels());
    label->setFont(designFont(spec.font));
    label->setAlignment(spec.alignment);
    label->setWordWrap(spec.wordWrap);
    setTextColour(label, spec.colour);
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

} // namespace vielnis
