#pragma once

// What the build compiles into the program besides code: the fonts under
// ":/fonts", the bubble photographs under ":/pictures" and Qt's Latvian
// texts under ":/i18n". They live in a static library, where nothing would
// register them by itself: these calls do, once each, however often called.
namespace vielnis::resources {

// Fonts, photographs and translations.
void registerEmbedded();
// The translations alone (for reading the command line without a display).
void registerEmbeddedTranslations();

} // namespace vielnis::resources
