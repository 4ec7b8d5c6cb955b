#include "resources/embedded.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registering function of each resource file;
// it must stand outside any namespace.
static void initFontsAndPhotographs() {
    Q_INIT_RESOURCE(vielnis_fonts);
    Q_INIT_RESOURCE(vielnis_photographs);
}

static void initTranslations() {
    Q_INIT_RESOURCE(vielnis_translations);
}

namespace vielnis::resources {

void registerEmbeddedTranslations() {
    static const bool registered = [] {
        initTranslations();
        return true;
    }();
    Q_UNUSED(registered);
}

void registerEmbedded() {
    static const bool registered = [] {
        initFontsAndPhotographs();
        return true;
    }();
    Q_UNUSED(registered);
    registerEmbeddedTranslations();
}

} // namespace vielnis::resources
