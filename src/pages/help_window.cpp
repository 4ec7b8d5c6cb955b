#include "pages/help_window.h"

#include "pages/page_controls.h"
#include "pages/page_texts.h"
#include "shell/controls.h"

namespace vielnis {

HelpWindow::HelpWindow(WindowSet &windows) : HandbookWindow(WindowId::Form11, windows) {
    makeLabel(client(), {"Label1",
                         "PALĪGS",
                         {1320, 240, 4095, 495},
                         pages::kTitleFont,
                         pages::kTitleGreen,
                         Qt::AlignHCenter | Qt::AlignTop});
    new pages::ReadingBox(client(), "Text1", {120, 1080, 6375, 6015}, pages::kHelpText);
    pages::focusBackButton(*this);
}

} // namespace vielnis
