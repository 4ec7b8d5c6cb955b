#include "shell/window_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vielnis {

WindowKeys::WindowKeys(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler)) {
    // Key events go to the focused control first; only a filter on the
    // application sees them before it does.
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    // A key the focused control leaves alone goes on to its parents, and the
    // application sees it again at each; only its first delivery counts, to
    // the window's focused control (or the window, if none has the focus).
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != m_window)
        return false;
    QWidget *focus = m_window->focusWidget();
    if (target != (focus ? focus : m_window))
        return false;
    return m_handler(static_cast<QKeyEvent *>(event), target);
}

} // namespace vielnis
