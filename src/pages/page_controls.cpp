#include "pages/page_controls.h"

#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/design_palette.h"
#include "shell/handbook_window.h"

#include <QScrollBar>

namespace vielnis::pages {

ReadingBox::ReadingBox(QWidget *parent, const char *name, const Twips &rect, const char *text)
    : QPlainTextEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(rect.toPixels());
    setFont(designFont(kReadingFont));
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, palette::kWhite);
    colours.setColor(QPalette::Text, palette::kBlack);
    setPalette(colours);

    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    // The stored texts break their lines with "\r\n"; the box wants one
    // character per break.
    setPlainText(QString::fromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    verticalScrollBar()->setValue(0);
}

QLabel *makePageTitle(QWidget *parent, const char *text, const Twips &rect) {
    return makeLabel(parent, {"Label1", text, rect, kTitleFont, palette::kGreen,
                              Qt::AlignHCenter | Qt::AlignTop});
}

void focusBackButton(HandbookWindow &window) {
    if (DesignButton *back = window.backButton())
        back->setFocus();
}

} // namespace vielnis::pages
