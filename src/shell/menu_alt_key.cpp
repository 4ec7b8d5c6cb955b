#include "shell/menu_alt_key.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace vielnis {

MenuAltKey::MenuAltKey(QMenu *menu) : QObject(menu) {
    menu->installEventFilter(this);
}

bool MenuAltKey::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::Show:
        // The modifiers as of the last key event the program has taken in:
        // the chord's letter, with Alt held, when Alt+K opened the menu.
        m_altDownSinceBeforeShown = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
        break;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt && m_altDownSinceBeforeShown)
            return true;
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt)
            m_altDownSinceBeforeShown = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace vielnis
