#include "pages/authors_window.h"

#include "pages/page_controls.h"
#include "pages/page_texts.h"
#include "shell/controls.h"
#include "shell/design_palette.h"

namespace vielnis {

namespace {

constexpr FontSpec kNameFont{Face::Serif, 15.75};
constexpr FontSpec kDetailsFont{Face::Serif, 14.25};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

// The details texts rely on runs of blanks to put each part on a line of its
// own when the label wraps them.
const LabelSpec kLabels[] = {
    {"Label4",
     pages::kFirstAuthorName,
     {240, 600, 4335, 495},
     kNameFont,
     palette::kWhite,
     kCentred},
    {"Label5",
     pages::kFirstAuthorDetails,
     {480, 1080, 4095, 1215},
     kDetailsFont,
     palette::kWhite,
     kLeft},
    {"Label1",
     pages::kSecondAuthorName,
     {240, 2280, 4575, 495},
     kNameFont,
     palette::kWhite,
     kCentred},
    {"Label2",
     pages::kSecondAuthorPosts,
     {480, 2760, 3735, 735},
     kDetailsFont,
     palette::kWhite,
     kLeft},
    {"Label3",
     pages::kSecondAuthorAddress,
     {480, 3360, 3975, 735},
     kDetailsFont,
     palette::kWhite,
     kLeft},
};

} // namespace

AuthorsWindow::AuthorsWindow(WindowSet &windows) : HandbookWindow(WindowId::Form4, windows) {
    for (const LabelSpec &label : kLabels)
        makeLabel(client(), label);
    pages::focusBackButton(*this);
}

} // namespace vielnis
