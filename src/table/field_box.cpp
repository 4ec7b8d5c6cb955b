#include "table/field_box.h"

#include "shell/accessible_factory.h"
#include "shell/controls.h"
#include "shell/design_fonts.h"
#include "shell/edges.h"
#include "shell/zoom.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
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
    setFont(zoomedFont(font, m_zoom));
    fitText();
}

bool FieldBox::event(QEvent *event) {
    if (event->type() != ZoomEvent::type())
        return QLineEdit::event(event);
    // The edge grows with the zoom, and the text is fitted anew in the font
    // at the zoom.
    m_zoom = static_cast<ZoomEvent *>(event)->factor();
    if (m_sunkenEdge) {
        const int edge = kEdge * zoomedLine(1, m_zoom);
        setTextMargins(edge, edge, edge, edge);
    }
    if (m_designFont) {
        event->accept();
        m_widths.clear();
        m_lineSize = QSize();
        setFont(zoomedFont(*m_designFont, m_zoom));
        fitText();
    }
    return true;
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
    const QFont design = zoomedFont(*m_designFont, m_zoom);
    QFont chosen = design;
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
            chosen = fittedFont(design, shown, m_line - 1);
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
        drawSunkenEdge(painter, rect(), zoomedLine(1, m_zoom));
    }
}

namespace {

// What assistive technology gets of the multi-line field: like a read-only
// one-line field, its caption as the name and the shown text as its text
// and value (a plain label would give only the caption).
class FieldMemoAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldMemoAccessible(FieldMemo *memo)
        : QAccessibleWidget(memo, QAccessible::EditableText) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface: the shown text, its selection and no caret.
    void selection(int index, int *start, int *end) const override {
        *start = *end = 0;
        if (index == 0 && memo()->hasSelectedText()) {
            *start = memo()->selectionStart();
            *end = *start + int(memo()->selectedText().size());
        }
    }
    int selectionCount() const override { return memo()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { memo()->setSelection(0, 0); }
    void setSelection(int, int start, int end) override {
        memo()->setSelection(start, std::max(0, end - start));
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return shown().mid(start, std::max(0, end - start));
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override {
        *start = *end = offset;
        return QString();
    }

private:
    FieldMemo *memo() const { return static_cast<FieldMemo *>(widget()); }
    QString shown() const { return memo()->text(); }
};

} // namespace

FieldMemo::FieldMemo(QWidget *parent) : QLabel(parent) {
    useAccessibleInterface<FieldMemo, FieldMemoAccessible>();
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

void FieldMemo::setText(const QString &text) {
    const QString old = QLabel::text();
    if (text == old)
        return;
    QLabel::setText(text);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(this, 0, old, text);
        QAccessible::updateAccessibility(&update);
        QAccessibleValueChangeEvent value(this, text);
        QAccessible::updateAccessibility(&value);
    }
}

void FieldMemo::contextMenuEvent(QContextMenuEvent *event) {
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own words for these entries, as in every other field.
    QAction *copy = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(hasSelectedText());
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(selectedText()); });
    menu->addSeparator();
    QAction *all = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"));
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!text().isEmpty());
    connect(all, &QAction::triggered, this, [this] { setSelection(0, int(text().size())); });
    menu->popup(event->globalPos());
    event->accept();
}

void FieldMemo::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawSunkenEdge(painter, rect(), zoomedLine(1, zoomOf(this)));
}

} // namespace vielnis
