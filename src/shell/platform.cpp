#include "shell/platform.h"

#include "shell/platform_kinds.h"

#include <QGuiApplication>
#include <QWidget>

namespace vielnis {

std::optional<QMargins> Platform::frameBeforeShow(QWidget &) const { return std::nullopt; }

const Platform &platform() {
    // Chosen once: the platform plugin does not change while the handbook runs.
    static const Platform &chosen = [] () -> const Platform & {
        const QString name = QGuiApplication::platformName();
        if (name == QLatin1String("xcb"))
            return x11Platform();
        if (name.startsWith(QLatin1String("wayland")))
            return waylandPlatform();
        if (name == QLatin1String("windows"))
            return windowsPlatform();
        // offscreen and minimal: no window manager at all.
        static const Platform plain;
        return plain;
    }();
    return chosen;
}

} // namespace vielnis
