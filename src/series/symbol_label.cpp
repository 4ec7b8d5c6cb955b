#include "series/symbol_label.h"

#include "catalogue/catalogue.h"
#include "resources/pictures.h"
#include "series/series_style.h"
#include "shell/accessible_factory.h"
#include "shell/controls.h"
#include "shell/zoom.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vielnis::series {

namespace {

// What a screen reader is told of a symbol: one of a row of choices, named
// by its element, checked while it is the chosen one, and chosen by its
// press action as by a click.
class SymbolAccessible : public QAccessibleWidget {
public:
    explicit SymbolAccessible(SymbolLabel *symbol)
        : QAccessibleWidget(symbol, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = symbol()->isFramed();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override {
        if (name == pressAction())
            emit symbol()->clicked();
    }

private:
    SymbolLabel *symbol() const { return static_cast<SymbolLabel *>(widget()); }
};

} // namespace

SymbolLabel::SymbolLabel(QWidget *parent, const char *name, const char *caption, const Twips &rect,
                         const FontSpec &font)
    : QLabel(QString::fromUtf8(caption), parent) {
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setGeometry(rect.toPixels());
    setFont(designFont(font));
    setColour(palette::kYellow);
    setCursor(pictures::cursor(pictures::Cursor::PointingHand));
    setMouseTracking(true);
    useAccessibleInterface<SymbolLabel, SymbolAccessible>();
    // A screen reader says which element the symbol stands for.
    if (const catalogue::ElementRecord *element = catalogue::findElement(caption))
        setAccessibleName(QStringLiteral("%1, %2").arg(
            QString::fromUtf8(element->name.data(), qsizetype(element->name.size())),
            QString::fromUtf8(caption)));
}

void SymbolLabel::setFramed(bool framed) {
    if (framed == m_framed)
        return;
    m_framed = framed;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QColor SymbolLabel::colour() const {
    return palette().color(QPalette::WindowText);
}

void SymbolLabel::setColour(const QColor &colour) {
    // Hover handlers recolour the whole row on every move; only a real
    // change costs a repaint.
    if (colour != this->colour())
        setTextColour(this, colour);
}

void SymbolLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!m_framed)
        return;
    QPainter painter(this);
    // One logical pixel wide at the design's size, just inside the label's
    // edges, at any scaling; whole pixels wider at a zoom.
    const qreal line = zoomedLine(1, zoomOf(this));
    painter.setPen(QPen(palette::kBlack, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2));
}

void SymbolLabel::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved();
    event->accept();
}

void SymbolLabel::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

void SymbolLabel::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    // A click: the left button let go over the symbol it was pressed on.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void SymbolLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void SymbolLabel::focusInEvent(QFocusEvent *event) {
    QLabel::focusInEvent(event);
    emit focused();
}

} // namespace vielnis::series
