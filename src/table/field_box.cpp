#include "table/field_box.h"

#include "shell/edges.h"

#include <QPainter>

namespace vielnis {

namespace {
constexpr int kEdge = 2;
}

void setFieldColours(QWidget *field, const QColor &background, const QColor &text) {
    QPalette palette = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
    }
    field->setPalette(palette);
}

FieldBox::FieldBox(QWidget *parent, bool sunkenEdge) : QLineEdit(parent), m_sunkenEdge(sunkenEdge) {
    setFrame(false);
    // The field paints every pixel itself; the window behind need not.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_sunkenEdge)
        setTextMargins(kEdge, kEdge, kEdge, kEdge);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void FieldBox::setBackground(const QColor &colour) {
    if (colour != background())
        setFieldColours(this, colour, textColour());
}

void FieldBox::setTextColour(const QColor &colour) {
    if (colour != textColour())
        setFieldColours(this, background(), colour);
}

void FieldBox::paintEvent(QPaintEvent *event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().brush(QPalette::Base));
    }
    QLineEdit::paintEvent(event);
    if (m_sunkenEdge) {
        QPainter painter(this);
        drawSunkenEdge(painter, rect());
    }
}

FieldMemo::FieldMemo(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setContentsMargins(kEdge, kEdge, kEdge, kEdge);
    setMargin(2);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

void FieldMemo::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawSunkenEdge(painter, rect());
}

} // namespace vielnis
