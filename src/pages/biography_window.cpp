#include "pages/biography_window.h"

#include "pages/page_controls.h"
#include "pages/page_texts.h"
#include "shell/picture_view.h"

namespace vielnis {

BiographyWindow::BiographyWindow(WindowSet &windows) : HandbookWindow(WindowId::Form7, windows) {
    pages::makePageTitle(client(), "D. MENDEĻEJEVS", {960, 240, 5415, 495});
    new PictureView(client(), "Image1", pictures::Picture::Portrait, {600, 480, 480, 480});
    new pages::ReadingBox(client(), "Text1", {120, 1080, 6855, 6015}, pages::kBiographyText);
    pages::focusBackButton(*this);
}

} // namespace vielnis
