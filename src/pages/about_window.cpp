#include "pages/about_window.h"

#include "pages/page_controls.h"
#include "pages/page_texts.h"
#include "shell/controls.h"
#include "shell/picture_view.h"
#include "shell/window_looks.h"

namespace vielnis {

AboutWindow::AboutWindow(WindowSet &windows) : HandbookWindow(WindowId::Form12, windows) {
    new PictureView(client(), "Image1", pictures::Picture::FlaskAtom, {480, 600, 480, 480});
    // The program's name and version are the start window's caption.
    const LabelSpec labels[] = {
        {"Label1",
         lookOf(WindowId::Form1).caption,
         {1080, 720, 4455, 495},
         {Face::Serif, 14.25},
         pages::kPageWhite},
        {"Label4",
         pages::kAboutDescription,
         {600, 1080, 4815, 1815},
         {Face::Serif, 12},
         pages::kPageWhite},
    };
    for (const LabelSpec &label : labels)
        makeLabel(client(), label);
    pages::focusBackButton(*this);
}

} // namespace vielnis
