#include "shell/handbook_window.h"

#include "resources/pictures.h"
#include "shell/common_buttons.h"
#include "shell/design_button.h"
#include "shell/design_fonts.h"
#include "shell/focus_ring.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/window_keys.h"
#include "shell/window_looks.h"
#include "shell/window_set.h"
#include "shell/zoom.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

namespace vielnis {

namespace {

// The zoom keys: a step up (+1), down (-1), back to 100 % (0), or none.
std::optional<int> zoomDirection(const QKeyEvent &event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::ControlModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
        return -1;
    case Qt::Key_0:
        return 0;
    default:
        return std::nullopt;
    }
}

// Ctrl with the mouse wheel anywhere over one window: a step a notch, up
// as the wheel turns away from the user.
class WheelZoom : public QObject {
public:
    explicit WheelZoom(HandbookWindow *window) : QObject(window), m_window(window) {
        // The wheel goes to the control under the pointer, which may use it
        // (the picker, a page's text): only a filter on the application sees
        // it before the control does.
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Wheel)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!widget || widget->window() != m_window || !(wheel->modifiers() & Qt::ControlModifier))
            return false;
        m_turned += wheel->angleDelta().y();
        for (; m_turned >= QWheelEvent::DefaultDeltasPerStep;
             m_turned -= QWheelEvent::DefaultDeltasPerStep)
            m_window->stepZoom(1);
        for (; m_turned <= -QWheelEvent::DefaultDeltasPerStep;
             m_turned += QWheelEvent::DefaultDeltasPerStep)
            m_window->stepZoom(-1);
        wheel->accept();
        return true;
    }

private:
    HandbookWindow *m_window;
    int m_turned = 0; // eighths of a degree not yet made a step
};

// Controls that place children of their own (a combo box its field, a text
// box its scroll bars): they get their rectangle, their children are theirs.
bool placesItsChildren(const QWidget *widget) {
    return qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractScrollArea *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QLineEdit *>(widget);
}

} // namespace

ClientArea::ClientArea(const WindowLook &look, QWidget *parent) : QWidget(parent), m_look(look) {
    setObjectName(QStringLiteral("client"));
    setFixedSize(pxSize(look.widthTwips, look.heightTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (look.openHandBackground)
        setCursor(pictures::cursor(pictures::Cursor::OpenHand));
    new FocusRing(this);
}

void ClientArea::paintEvent(QPaintEvent *) {
    // From the top-left corner at the window's zoom, otherwise unscaled; the
    // picture is larger than every client area, so it is cut at the right
    // and bottom edges. It is made at the resolution the screen shows it at.
    QPainter painter(this);
    const qreal zoom = zoomOf(this);
    const qreal ratio = devicePixelRatioF();
    if (zoom == 1.0) {
        painter.drawImage(QPoint(0, 0), pictures::backdrop(m_look.backdrop, ratio));
        return;
    }
    const QImage image = pictures::backdrop(m_look.backdrop, ratio * zoom);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / ratio), image);
}

void ClientArea::mouseMoveEvent(QMouseEvent *event) {
    // Labels and unpressed buttons hand their moves on to us; only a move
    // over the bare background counts as one.
    if (!childAt(event->position().toPoint()))
        emit backgroundMouseMove();
    event->accept();
}

HandbookWindow::HandbookWindow(WindowId id, WindowSet &windows)
    : QWidget(nullptr), m_id(id), m_windows(windows) {
    const WindowLook &look = lookOf(id);
    setObjectName(QStringLiteral("Form%1").arg(int(id)));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QString::fromUtf8(look.caption));

    // A fixed single border: a title bar with minimise and close boxes, no
    // maximise box, no sizing.
    Qt::WindowFlags flags = Qt::Window;
    if (look.framed)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint;
    else
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);

    switch (look.iconKind) {
    case WindowIcon::Picture:
        setWindowIcon(pictures::icon(look.icon));
        break;
    case WindowIcon::None: {
        QPixmap empty(16, 16);
        empty.fill(Qt::transparent);
        setWindowIcon(QIcon(empty));
        break;
    }
    case WindowIcon::ToolkitDefault:
        break;
    }

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_client = new ClientArea(look, this);
    m_layout->addWidget(m_client);

    addCommonButtons();
    addZoomInput();
}

void HandbookWindow::addZoomInput() {
    new WindowKeys(this, [this](QKeyEvent *event, QWidget *) {
        const std::optional<int> direction = zoomDirection(*event);
        if (!direction)
            return false;
        // Taken before any control or shortcut of the window sees it.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            stepZoom(*direction);
        return true;
    });
    new WheelZoom(this);
    connect(&Zoom::instance(), &Zoom::changed, this, &HandbookWindow::followZoom);
}

void HandbookWindow::addCommonButtons() {
    const WindowLook &look = lookOf(m_id);
    if (look.back) {
        const WindowId target = look.back->target;
        m_back = makeCommonButton(*this, look.back->name, CommonButton::Back);
        connect(m_back, &QPushButton::clicked, this, [this, target] { forwardAndDestroy(target); });
    }
    m_minimise = makeCommonButton(*this, look.minimiseName, CommonButton::Minimise,
                                  look.exitLeftTwips - 240);
    connect(m_minimise, &QPushButton::clicked, this, [this] { m_windows.minimise(m_id); });
    m_exit = makeCommonButton(*this, look.exitName, CommonButton::Exit, look.exitLeftTwips);
    connect(m_exit, &QPushButton::clicked, this, [this] { m_windows.end(); });
}

DesignButton *HandbookWindow::addLegendButton(const char *name) {
    return makeCommonButton(*this, name, CommonButton::Legend);
}

namespace {
// The window manager's frame around our windows, as last seen: every framed
// window gets the same, so a window not shown yet can be centred with it.
std::optional<QMargins> knownFrame;
} // namespace

QRect HandbookWindow::centredFrame(const QSize &frame) const {
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    QRect place(QPoint(0, 0), frame);
    if (!screen)
        return place;
    const QRect available = screen->availableGeometry();
    place.moveCenter(available.center());
    // Too large for the screen: the top-left stays reachable, the window
    // manager can still move the rest into view.
    place.moveLeft(std::max(place.left(), available.left()));
    place.moveTop(std::max(place.top(), available.top()));
    return place;
}

void HandbookWindow::centreOnScreen() {
    adjustSize();
    const QMargins frame = windowFlags().testFlag(Qt::FramelessWindowHint)
                               ? QMargins()
                               : platform().frameBeforeShow(*this).value_or(
                                     knownFrame.value_or(QMargins()));
    m_assumedFrame = frame;
    const QSize client = sizeHint();
    const QRect place = centredFrame(QSize(client.width() + frame.left() + frame.right(),
                                           client.height() + frame.top() + frame.bottom()));
    // move() places the frame's top-left corner.
    move(place.topLeft());
}

void HandbookWindow::correctCentring() {
    if (!m_assumedFrame || !isVisible() || !windowHandle())
        return;
    const QMargins real = windowHandle()->frameMargins();
    const bool framed = !windowFlags().testFlag(Qt::FramelessWindowHint);
    if (framed && real.isNull())
        return; // the window manager has not framed it yet
    if (framed)
        knownFrame = real;
    const bool wrong = real != *m_assumedFrame;
    m_assumedFrame.reset();
    if (wrong)
        move(centredFrame(frameGeometry().size()).topLeft());
}

QSize HandbookWindow::outerSizeAt(int percent) const {
    // Before its first zoom the window has the design's size.
    const QSize design = m_designSize.isValid() ? m_designSize : sizeHint();
    return zoomed(design, percent / 100.0);
}

QMargins HandbookWindow::frameMargins() const {
    if (windowFlags().testFlag(Qt::FramelessWindowHint))
        return QMargins();
    if (isVisible() && windowHandle() && !windowHandle()->frameMargins().isNull())
        return windowHandle()->frameMargins();
    return knownFrame.value_or(QMargins());
}

int HandbookWindow::largestStepWithin(int percent, const QSize &available,
                                      const QMargins &frame) const {
    for (; percent > kZoomSteps.front(); percent = previousZoomStep(percent)) {
        const QSize outer = outerSizeAt(percent).grownBy(frame);
        if (outer.width() <= available.width() && outer.height() <= available.height())
            break;
    }
    return percent;
}

bool HandbookWindow::fitsAt(int percent) const {
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return true;
    return largestStepWithin(percent, screen->availableGeometry().size(), frameMargins()) ==
           percent;
}

void HandbookWindow::stepZoom(int direction) {
    const int wanted = direction > 0   ? nextZoomStep(m_zoomPercent)
                       : direction < 0 ? previousZoomStep(m_zoomPercent)
                                       : kZoomSteps.front();
    // A step that would make this window larger than its screen's available
    // area is not taken, for any window. Back to 100 % is always taken: the
    // handbook's zoom may be higher than this window could follow.
    if (direction != 0 && (wanted == m_zoomPercent || (wanted > m_zoomPercent && !fitsAt(wanted))))
        return;
    Zoom::instance().setPercent(wanted);
    followZoom();
}

void HandbookWindow::followZoom() {
    int percent = Zoom::instance().percent();
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        percent = largestStepWithin(percent, screen->availableGeometry().size(), frameMargins());
    if (percent == m_zoomPercent)
        return;
    const QRect before = frameGeometry();
    const QSize frame = before.size() - size();
    layOutAt(percent);
    // The same centre, inside the available area where there is room.
    QRect place(QPoint(0, 0), size() + frame);
    place.moveCenter(before.center());
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        place.moveRight(std::min(place.right(), available.right()));
        place.moveBottom(std::min(place.bottom(), available.bottom()));
        place.moveLeft(std::max(place.left(), available.left()));
        place.moveTop(std::max(place.top(), available.top()));
    }
    move(place.topLeft());
}

void HandbookWindow::takeDesign() {
    m_designSize = sizeHint();
    takeDesignOf(m_client);
    if ((m_menuBar = findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly)))
        m_menuBarHeight = m_designSize.height() - m_client->height();
}

void HandbookWindow::takeDesignOf(QWidget *parent) {
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        // Menus and tooltips are windows of their own; the focus ring
        // follows the control it rings.
        if (!widget || widget->isWindow() || qobject_cast<FocusRing *>(widget))
            continue;
        DesignPlace place{widget, widget->geometry(), std::nullopt, QMargins(), 0};
        if (widget->testAttribute(Qt::WA_SetFont))
            place.font = widget->font();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            place.contents = label->contentsMargins();
            place.margin = label->margin();
        }
        m_design.push_back(place);
        if (!placesItsChildren(widget))
            takeDesignOf(widget);
    }
}

void HandbookWindow::layOutAt(int percent) {
    if (!m_designSize.isValid())
        takeDesign();
    m_zoomPercent = percent;
    const qreal zoom = percent / 100.0;
    const WindowLook &look = lookOf(m_id);
    m_client->setFixedSize(zoomed(pxSize(look.widthTwips, look.heightTwips), zoom));

    // What has no font of its own (the menus among it) takes the handbook's
    // font at the zoom; at 100 % it takes the handbook's font itself.
    const QFont common =
        percent == kZoomSteps.front() ? QFont() : zoomedFont(QApplication::font(), zoom);
    m_client->setFont(common);
    for (QMenu *menu : findChildren<QMenu *>())
        menu->setFont(common);
    if (m_menuBar) {
        m_menuBar->setFont(common);
        // The bar's margins are the style's, so its height is set to the
        // design's scaled; at 100 % it takes its own height again.
        if (percent == kZoomSteps.front()) {
            m_menuBar->setMinimumHeight(0);
            m_menuBar->setMaximumHeight(QWIDGETSIZE_MAX);
        } else {
            m_menuBar->setFixedHeight(zoomed(m_menuBarHeight, zoom));
        }
    }

    for (const DesignPlace &place : m_design) {
        QWidget *widget = place.widget;
        if (!widget)
            continue;
        widget->setGeometry(zoomed(place.rect, zoom));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setContentsMargins(
                zoomed(place.contents.left(), zoom), zoomed(place.contents.top(), zoom),
                zoomed(place.contents.right(), zoom), zoomed(place.contents.bottom(), zoom));
            label->setMargin(zoomed(place.margin, zoom));
        }
        ZoomEvent event(percent);
        event.setAccepted(false);
        QCoreApplication::sendEvent(widget, &event);
        if (!event.isAccepted() && place.font)
            widget->setFont(zoomedFont(*place.font, zoom));
    }
    zoomChanged();
    m_layout->activate();
    m_client->update();
}

void HandbookWindow::showNormalAndActive() {
    // A hidden window that would come back minimised gets a fresh native
    // window instead, in the same place.
    if (!isVisible() && m_wasMinimised && platform().keepsMinimisedWhenShownAgain()) {
        const QPoint place = pos();
        destroy(true, true);
        move(place);
    }
    m_wasMinimised = false;
    setWindowState(windowState() &
                   ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    show();
    raise();
    activateWindow();
}

void HandbookWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates states = windowState();
        if (states & Qt::WindowMinimized)
            m_wasMinimised = true;
        // Every window has its designed fixed size: a window manager's or
        // compositor's request to maximise it or fill the screen is undone.
        if ((states & (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
            platform().mayMaximiseUnasked())
            QMetaObject::invokeMethod(
                this,
                [this] {
                    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
                },
                Qt::QueuedConnection);
    } else if (event->type() == QEvent::ActivationChange) {
        correctCentring();
    }
}

void HandbookWindow::moveEvent(QMoveEvent *event) {
    QWidget::moveEvent(event);
    correctCentring();
}

void HandbookWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    QMetaObject::invokeMethod(this, &HandbookWindow::correctCentring, Qt::QueuedConnection);
}

void HandbookWindow::forwardAndKeep(WindowId target) {
    m_windows.show(target);
    m_windows.hide(m_id);
}

void HandbookWindow::forwardAndDestroy(WindowId target) {
    m_windows.show(target);
    m_windows.hide(m_id);
    m_windows.unload(m_id);
}

void HandbookWindow::closeEvent(QCloseEvent *event) {
    // Closing a legend or a help page takes the pupil back where the page
    // came from, as its "<~" does; only the start window's close box ends
    // the handbook. Either way a window stays shown until the end.
    event->ignore();
    if (m_back)
        m_back->click();
    else
        m_windows.end();
}

void HandbookWindow::keyPressEvent(QKeyEvent *event) {
    // Reached only when the focused control left the key alone. A held-down
    // key repeats; one press goes back one window, not all the way.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (m_back && !event->isAutoRepeat())
            m_back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vielnis
