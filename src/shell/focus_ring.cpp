#include "shell/focus_ring.h"

#include "shell/edges.h"
#include "shell/zoom.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPainter>

namespace vielnis {

namespace {

// Watches every key press and mouse press of the application and says which
// of the two came last. The keyboard counts as in use from the start, so a
// pupil who begins with the keyboard sees where the focus stands.
class InputWatch : public QObject {
    Q_OBJECT
public:
    static InputWatch &instance() {
        static QPointer<InputWatch> watch;
        if (!watch)
            watch = new InputWatch(qApp);
        return *watch;
    }

    bool keyboard() const { return m_keyboard; }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            set(true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            set(false);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit InputWatch(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

    void set(bool keyboard) {
        if (keyboard == m_keyboard)
            return;
        m_keyboard = keyboard;
        emit changed();
    }

    bool m_keyboard = true;
};

// The control whose edge shows the focus: an editable box's field hands its
// focus to the box around it.
QWidget *ringedControl(QWidget *focused) {
    if (!focused)
        return nullptr;
    QWidget *parent = focused->parentWidget();
    if (parent && (qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractSpinBox *>(parent)))
        return parent;
    return focused;
}

} // namespace

FocusRing::FocusRing(QWidget *client) : QWidget(client) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, &FocusRing::follow);
    connect(&InputWatch::instance(), &InputWatch::changed, this, &FocusRing::follow);
}

bool FocusRing::keyboardInUse() {
    return InputWatch::instance().keyboard();
}

void FocusRing::follow() {
    QWidget *client = parentWidget();
    QWidget *control = ringedControl(QApplication::focusWidget());
    if (control && (control == this || !client->isAncestorOf(control)))
        control = nullptr;
    if (control != m_target) {
        if (m_target)
            m_target->removeEventFilter(this);
        m_target = control;
        if (m_target)
            m_target->installEventFilter(this);
    }
    place();
}

void FocusRing::place() {
    if (!m_target || !m_target->isVisible() || !keyboardInUse()) {
        hide();
        return;
    }
    const QRect area(m_target->mapTo(parentWidget(), QPoint(0, 0)), m_target->size());
    const int line = zoomedLine(1, zoomOf(this));
    if (area != geometry() || line != m_line) {
        setGeometry(area);
        m_line = line;
        // Only the two lines belong to the ring: what lies inside it is the
        // control's own, painted as always.
        const int inset = kInset * line;
        const QRect outer = rect().adjusted(inset, inset, -inset, -inset);
        setMask(QRegion(outer).subtracted(
            QRegion(outer.adjusted(2 * line, 2 * line, -2 * line, -2 * line))));
    }
    raise();
    show();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int inset = kInset * m_line;
    const QRect outer = rect().adjusted(inset, inset, -inset, -inset);
    drawFrame(painter, outer, kOuterColour, kOuterColour, m_line);
    drawFrame(painter, outer.adjusted(m_line, m_line, -m_line, -m_line), kInnerColour, kInnerColour,
              m_line);
}

} // namespace vielnis

#include "focus_ring.moc"
