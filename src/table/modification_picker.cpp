#include "table/modification_picker.h"

#include "resources/pictures.h"
#include "shell/design_palette.h"
#include "shell/edges.h"
#include "shell/twips.h"
#include "shell/zoom.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStringListModel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace vielnis {

namespace {
constexpr int kEdge = 2;         // sunken edge width
constexpr int kButtonWidth = 17; // drop-down button
} // namespace

ModificationPicker::ModificationPicker(QWidget *parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // While the user types, the text is completed to the first entry that
    // starts with what has been typed, in the same letter case.
    auto *completer = new QCompleter(model(), this);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    setCompleter(completer);

    lineEdit()->setFrame(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &ModificationPicker::takeText);
    setLocked(true);
}

void ModificationPicker::takeText(const QString &text) {
    if (text == m_value)
        return;
    m_value = text;
    emit valueChanged();
}

void ModificationPicker::clearList() {
    if (count() == 0)
        return;
    const QString kept = m_value;
    const QSignalBlocker quiet(lineEdit());
    clear();
    lineEdit()->setText(kept);
}

void ModificationPicker::addEntry(const QString &entry) {
    // Adding to an empty list would make the first entry current and copy it
    // into the text; the value must stay what it is.
    const QString kept = m_value;
    const QSignalBlocker quiet(lineEdit());
    addItem(entry);
    if (lineEdit()->text() != kept)
        lineEdit()->setText(kept);
}

QStringList ModificationPicker::entries() const {
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void ModificationPicker::setValue(const QString &value) {
    if (lineEdit()->text() != value)
        lineEdit()->setText(value); // textChanged runs takeText synchronously
    takeText(value);
}

void ModificationPicker::setDropButtonShown(bool shown) {
    if (shown == m_dropButtonShown)
        return;
    m_dropButtonShown = shown;
    placeEditField();
    update();
}

void ModificationPicker::setLocked(bool locked) {
    if (locked == m_locked && lineEdit()->isReadOnly() == locked)
        return;
    m_locked = locked;
    lineEdit()->setReadOnly(locked);
    if (locked)
        hidePopup();
}

void ModificationPicker::setCustomPointer(bool custom) {
    if (custom == m_customPointer)
        return;
    m_customPointer = custom;
    if (custom) {
        const QCursor hand = pictures::cursor(pictures::Cursor::PointingHand);
        setCursor(hand);
        lineEdit()->setCursor(hand);
    } else {
        unsetCursor();
        lineEdit()->setCursor(Qt::IBeamCursor);
    }
}

void ModificationPicker::showPopup() {
    if (m_locked || !m_dropButtonShown)
        return;
    QComboBox::showPopup();
}

QRect ModificationPicker::dropButtonRect() const {
    const qreal zoom = zoomOf(this);
    const int edge = kEdge * zoomedLine(1, zoom);
    const int width = zoomed(kButtonWidth, zoom);
    const QRect inner = rect().adjusted(edge, edge, -edge, -edge);
    return QRect(inner.right() - width + 1, inner.top(), width, inner.height());
}

void ModificationPicker::placeEditField() {
    const int edge = kEdge * zoomedLine(1, zoomOf(this));
    QRect field = rect().adjusted(edge + 1, edge, -edge, -edge);
    if (m_dropButtonShown)
        field.setRight(dropButtonRect().left() - 1);
    lineEdit()->setGeometry(field);
}

void ModificationPicker::resizeEvent(QResizeEvent *event) {
    QComboBox::resizeEvent(event);
    placeEditField();
}

void ModificationPicker::showEvent(QShowEvent *event) {
    QComboBox::showEvent(event);
    placeEditField();
}

void ModificationPicker::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const qreal zoom = zoomOf(this);
    const int line = zoomedLine(1, zoom);
    painter.fillRect(rect(), palette().brush(QPalette::Base));
    drawSunkenEdge(painter, rect(), line);
    if (!m_dropButtonShown)
        return;
    const QRect button = dropButtonRect();
    painter.fillRect(button, palette::kFace);
    drawRaisedEdge(painter, button, line);
    // A small black triangle pointing down.
    const QPointF centre = QRectF(button).center();
    const QPointF arrow[3] = {centre + QPointF(-3.5, -1.5) * zoom,
                              centre + QPointF(3.5, -1.5) * zoom, centre + QPointF(0, 2.5) * zoom};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::kBlack);
    painter.drawPolygon(arrow, 3);
}

void ModificationPicker::keyPressEvent(QKeyEvent *event) {
    if (m_locked) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_F4:
            event->accept();
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(event);
}

void ModificationPicker::wheelEvent(QWheelEvent *event) {
    if (m_locked) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ModificationPicker::mousePressEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    if (!m_dropButtonShown || m_locked || !dropButtonRect().contains(at)) {
        event->accept();
        return;
    }
    // The combo box opens its list itself, so that it also ignores the
    // release of this very click (opening it here, the release would close
    // it again at once). It knows its arrow by the style's rectangle, which
    // the drawn button only nearly matches: the press goes to the nearest
    // point of that rectangle.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QPoint inside(std::clamp(at.x(), arrow.left(), arrow.right()),
                        std::clamp(at.y(), arrow.top(), arrow.bottom()));
    QMouseEvent press(event->type(), QPointF(inside), event->scenePosition() + (inside - at),
                      event->globalPosition() + (inside - at), event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    QComboBox::mousePressEvent(&press);
    event->setAccepted(press.isAccepted());
}

} // namespace vielnis
