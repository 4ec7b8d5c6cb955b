#include "shell/platform.h"
#include "shell/platform_kinds.h"

namespace vielnis {

namespace {

class WaylandPlatform final : public Platform {
public:
    // Qt draws the title bar itself and always offers a maximise box there,
    // and the compositor may maximise or fill the screen on its own.
    bool mayMaximiseUnasked() const override { return true; }
};

} // namespace

const Platform &waylandPlatform() {
    static const WaylandPlatform platform;
    return platform;
}

} // namespace vielnis
