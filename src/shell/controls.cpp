#include "shell/controls.h"

namespace vielnis {

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

} // namespace vielnis
