#include "shell/handbook_window.h"

#include "resources/pictures.h"
#include "shell/common_buttons.h"
#include "shell/design_button.h"
#include "shell/focus_ring.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/window_looks.h"
#include "shell/window_set.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace vielnis {

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
    // Unscaled from the top-left corner; the picture is larger than every
    // client area, so it is cut at the right and bottom edges.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), pictures::backdrop(m_look.backdrop, devicePixelRatioF()));
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
