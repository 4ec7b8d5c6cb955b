#pragma once

// Fixed Latvian texts of the information pages: the help window, the
// biography, the authors and about pages.
// All are UTF-8; hard line breaks are "\r\n".

namespace vielnis::pages {

// Help window: fifteen sections explaining the details panel of the periodic
// table window. Lines are broken by hand so that each fits the help box.
extern const char *const kHelpText;

// Biography of D. Mendeleev: eight paragraphs, each one long line that the
// reading box wraps.
extern const char *const kBiographyText;

// Authors page. The details texts rely on runs of blanks to push each part
// onto a line of its own when the label wraps them.
extern const char *const kFirstAuthorName;
extern const char *const kFirstAuthorDetails; // status, postal address, e-mail
extern const char *const kSecondAuthorName;
extern const char *const kSecondAuthorPosts;   // university post, school post
extern const char *const kSecondAuthorAddress; // postal address, e-mail

// About page: what the program is for and where to write to.
extern const char *const kAboutDescription;

} // namespace vielnis::pages
