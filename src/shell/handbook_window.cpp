#include "shell/handbook_window.h"

#include "resources/pictures.h"
#include "shell/common_buttons.h"
#include "shell/twips.h"
#include "shell/window_looks.h"
#include "shell/window_set.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace vielnis {

ClientArea::ClientArea(const WindowLook &look, QWidget *parent) : QWidget(parent), m_look(look) {
    setObjectName(QStringLiteral("client"));
    setFixedSize(pxSize(look.widthTwips, look.heightTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (look.openHandBackground)
        setCursor(pictures::cursor(pictures::Cursor::OpenHand));
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

    addCommonButtons(*this, look);
}

void HandbookWindow::centreOnScreen() {
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), sizeHint());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
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
    // The window system's close box does what the window's own "x" does:
    // it ends the handbook, so no window is ever left behind without a way
    // out, nor the program running without a window.
    event->ignore();
    m_windows.end();
}

} // namespace vielnis
