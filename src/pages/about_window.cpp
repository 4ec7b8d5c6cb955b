#include "pages/about_window.h"

#include "pages/page_controls.h"
#include "pages/page_texts.h"
#include "shell/controls.h"
#include "shell/design_palette.h"
#include "shell/picture_view.h"
#include "shell/shared_texts.h"

namespace vielnis {

AboutWindow::AboutWindow(WindowSet &windows) : HandbookWindow(WindowId::Form12, windows) {
    new PictureView(client(), "Image1", pictures::Picture::FlaskAtom, {480, 600, 480, 480});
    // The program's name and version, as the start window's caption.
    const LabelSpec labels[] = {
        {"Label1",
         texts::kProgramTitle,
         {1080, 720, 4455, 495},
         {Face::Serif, 14.25},
         palette::kWhite},
        {"Label4",
         pages::kAboutDescription,
         {600, 1080, 4815, 1815},
         {Face::Serif, 12},
         palette::kWhite},
    };
    for (const LabelSpec &label : labels)
        makeLabel(client(), label);
    pages::focusBackButton(*this);
}

} // namespace vielnis
