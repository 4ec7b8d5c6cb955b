#include "shell/platform.h"
#include "shell/platform_kinds.h"

#include <QWidget>
#include <QWindow>

namespace vielnis {

namespace {

class WindowsPlatform final : public Platform {
public:
    std::optional<QMargins> frameBeforeShow(QWidget &window) const override {
        // Windows draws the frame from the window's style, known as soon as
        // the native window exists; nothing waits for a window manager.
        window.winId();
        if (QWindow *handle = window.windowHandle())
            return handle->frameMargins();
        return std::nullopt;
    }
    // A fixed-size window without a maximise box is never maximised, and a
    // minimised window comes back normal when shown: the defaults.
};

} // namespace

const Platform &windowsPlatform() {
    static const WindowsPlatform platform;
    return platform;
}

} // namespace vielnis
