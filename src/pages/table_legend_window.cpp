#include "pages/table_legend_window.h"

#include "catalogue/catalogue.h"
#include "pages/page_controls.h"
#include "shell/controls.h"
#include "shell/design_button.h"
#include "table/table_colours.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace vielnis {

namespace {

using pages::kPageYellow;
using pages::kTitleGreen;

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kBrown(0x80, 0x40, 0x00);
const QColor kBlockGreen(0x00, 0xC0, 0x00);

constexpr FontSpec kHeadingFont{Face::Serif, 27.75, true};
constexpr FontSpec kCaptionFont{Face::Serif, 14.25, true}; // panels, block buttons, swatch
constexpr FontSpec kMeaningFont{Face::Serif, 14.25};
constexpr FontSpec kSmallBoldFont{Face::Serif, 12, true}; // letters and footnote

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

// A filled panel with its caption; the caption's place is inside the
// panel's edge.
struct Panel {
    const char *name;
    Twips rect;
    QColor fill;
    LabelSpec caption;
};

const Panel kPanels[] = {
    {"Picture1",
     {360, 1320, 3495, 615},
     table::kElementFields,
     {"Label2", "Ziņas par elementu", {120, 120, 3135, 375}, kCaptionFont, kPageYellow, kCentred}},
    {"Picture2",
     {360, 4250, 3495, 615},
     table::kSubstanceFields,
     {"Label1",
      "Ziņas par vienkāršu  vielu",
      {0, 120, 3375, 375},
      kCaptionFont,
      kPageYellow,
      kCentred}},
};

// The swatches: push buttons in the element buttons' colours. They have no
// handlers; a press shows only the pressed look.
struct Swatch {
    const char *name;
    const char *caption;
    Twips rect;
    QColor face;
    QColor text;
};

const Swatch kSwatches[] = {
    {"CommandButton1", " s-elementi", {360, 2040, 1695, 615}, table::kMetalFace, kRed},
    {"CommandButton3", " d-elementi", {2160, 2040, 1695, 615}, table::kMetalFace, kBlue},
    {"CommandButton2", " p-elementi", {360, 2760, 1695, 615}, table::kMetalFace, kBrown},
    {"CommandButton4", " f-elementi", {2160, 2760, 1695, 615}, table::kMetalFace, kBlockGreen},
    {"CommandButton5", "", {360, 3480, 3495, 680}, table::kNonmetalFace, Qt::black},
};

// Lies over the last swatch.
const LabelSpec kNonmetalLabel{
    "Label4", "Elementi ar nemetāliskām īpašībām", {600, 3480, 2895, 735}, kCaptionFont, kBrown,
    kCentred};

// A letter of the oxide cells, shown on the colour the table window gives
// it, and what it stands for.
struct LetterCell {
    LabelSpec letter;
    LabelSpec meaning;
};

const LetterCell kLetters[] = {
    {{"Label6", "B", {4200, 1200, 375, 375}, kSmallBoldFont, Qt::black, kCentred},
     {"Label9", " - bāziskās īpašības", {4920, 1200, 3255, 375}, kMeaningFont, kTitleGreen}},
    {{"Label7", "A", {4200, 1680, 375, 375}, kSmallBoldFont, Qt::black, kCentred},
     {"Label10", " - amfotērās īpašības", {4920, 1680, 3255, 375}, kMeaningFont, kTitleGreen}},
    {{"Label8", "S", {4200, 2160, 375, 375}, kSmallBoldFont, Qt::black, kCentred},
     {"Label11", " - skābās īpašības", {4920, 2160, 3255, 375}, kMeaningFont, kTitleGreen}},
};

const LabelSpec kHeading{"Label5",     "Apzīmējumi", {2475, 120, 2865, 630},
                         kHeadingFont, kTitleGreen,  kCentred};

// Refers to the radius caption of the details panel, which ends in "Å ¹".
// One line that must keep its unit (see below).
const LabelSpec kRadiusNote{"Label12",      "¹  1Å = 10^(-8) cm", {4200, 3000, 1815, 375},
                            kSmallBoldFont, kTitleGreen,          Qt::AlignLeft | Qt::AlignTop,
                            false};

void fill(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

TableLegendWindow::TableLegendWindow(WindowSet &windows)
    : HandbookWindow(WindowId::Form6, windows) {
    makeLabel(client(), kHeading);

    for (const Panel &look : kPanels) {
        auto *panel = new QFrame(client());
        panel->setObjectName(QString::fromLatin1(look.name));
        panel->setGeometry(look.rect.toPixels());
        panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        fill(panel, look.fill);
        QLabel *caption = makeLabel(panel, look.caption);
        // Places inside a panel count from within its edge.
        const int edge = panel->frameWidth();
        caption->move(caption->pos() + QPoint(edge, edge));
    }

    for (const Swatch &look : kSwatches) {
        auto *swatch = new DesignButton(client());
        swatch->setObjectName(QString::fromLatin1(look.name));
        swatch->setGeometry(look.rect.toPixels());
        swatch->setText(QString::fromUtf8(look.caption));
        swatch->setFont(designFont(kCaptionFont));
        swatch->setFaceColour(look.face);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::ButtonText, look.text);
        swatch->setPalette(palette);
    }
    makeLabel(client(), kNonmetalLabel);

    for (const LetterCell &cell : kLetters) {
        QLabel *letter = makeLabel(client(), cell.letter);
        letter->setFrameStyle(QFrame::Box | QFrame::Plain);
        letter->setLineWidth(1);
        letter->setIndent(0); // the letter sits right inside the edge
        fill(letter, QColor::fromRgb(catalogue::oxideColour(cell.letter.text[0])));
        makeLabel(client(), cell.meaning);
    }
    // The note's place is a pixel or two narrower than its text in our serif
    // font, which would wrap "cm" out of sight; it runs on to the right over
    // bare background instead.
    QLabel *note = makeLabel(client(), kRadiusNote);
    note->resize(std::max(note->width(), note->sizeHint().width()), note->height());

    pages::focusBackButton(*this);
}

} // namespace vielnis
