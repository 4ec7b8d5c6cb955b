#include "table/field_box.h"

#include "shell/controls.h"
#include "shell/edges.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace vielnis {

namespace {
constexpr int kEdge = 2;
// QLineEdit keeps this much room free on either side of its text line.
constexpr int kLineMargin = 2;
} // namespace

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

void FieldBox::setDesignFont(const QFont &font) {
    m_designFont = font;
    m_widths.clear();
    setFont(font);
    fitText();
}

void FieldBox::setText(const QString &text) {
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
    fitText();
}

void FieldBox::fitText() {
    if (!m_designFont)
        return;
    const QString shown = text();
    QFont chosen = *m_designFont;
    if (!shown.isEmpty()) {
        if (m_lineSize != size()) {
            QStyleOptionFrame option;
            initStyleOption(&option);
            m_line = style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                         .marginsRemoved(textMargins())
                         .width() -
                     2 * kLineMargin;
            m_lineSize = size();
        }
        // The line edit scrolls a text wider than its line by at most the
        // margins' width, so the design font shows a text whole while its
        // rounded width is no more than the line. A fitted text keeps within
        // the line, so that it is not scrolled at all.
        auto width = m_widths.constFind(shown);
        if (width == m_widths.cend())
            width = m_widths.insert(shown, qRound(QFontMetricsF(chosen).horizontalAdvance(shown)));
        if (*width > m_line)
            chosen = fittedFont(*m_designFont, shown, m_line - 1);
    }
    if (chosen != font())
        setFont(chosen);
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
