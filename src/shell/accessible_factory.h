#pragma once

#include <QAccessible>
#include <QString>

namespace vielnis {

// Hands screen readers the given interface for every widget of the given
// class, instead of the one Qt would pick from its base classes.
template <typename Widget, typename Interface>
QAccessibleInterface *accessibleOf(const QString &className, QObject *object) {
    if (className == QLatin1String(Widget::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new Interface(static_cast<Widget *>(object));
    return nullptr;
}

// Installs that once, whenever the first such widget is made.
template <typename Widget, typename Interface> void useAccessibleInterface() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleOf<Widget, Interface>);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vielnis
