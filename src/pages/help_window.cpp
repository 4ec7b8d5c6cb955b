#include "pages/help_window.h"

#include "pages/page_controls.h"
#include "pages/page_texts.h"

namespace vielnis {

HelpWindow::HelpWindow(WindowSet &windows) : HandbookWindow(WindowId::Form11, windows) {
    pages::makePageTitle(client(), "PALĪGS", {1320, 240, 4095, 495});
    new pages::ReadingBox(client(), "Text1", {120, 1080, 6375, 6015}, pages::kHelpText);
    pages::focusBackButton(*this);
}

} // namespace vielnis
