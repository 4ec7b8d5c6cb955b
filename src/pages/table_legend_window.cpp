#include "pages/table_legend_window.h"

#include "catalogue/catalogue.h"
#include "pages/page_controls.h"
#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/design_palette.h"
#include "shell/shared_texts.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <string>

namespace vielnis {

namespace {

using palette::kBlack;
using palette::kGreen;
using palette::kMetalFace;
using palette::kYellow;

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
     palette::kElementFields,
     {"Label2", "Ziņas par elementu", {120, 120, 3135, 375}, kCaptionFont, kYellow, kCentred}},
    {"Picture2",
     {360, 4250, 3495, 615},
     palette::kSubstanceFields,
     {"Label1", "Ziņas par vienkāršo vielu", {0, 120, 3375, 375}, kCaptionFont, kYellow, kCentred}},
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
    {"CommandButton1", " s-elementi", {360, 2040, 1695, 615}, kMetalFace, palette::kRed},
    {"CommandButton3", " d-elementi", {2160, 2040, 1695, 615}, kMetalFace, palette::kBlockD},
    {"CommandButton2", " p-elementi", {360, 2760, 1695, 615}, kMetalFace, palette::kLegendBlockP},
    {"CommandButton4", " f-elementi", {2160, 2760, 1695, 615}, kMetalFace, palette::kLegendBlockF},
    {"CommandButton5", "", {360, 3480, 3495, 680}, palette::kNonmetalFace, kBlack},
};

// Lies over the last swatch, in the brown of the p-elements' caption.
const LabelSpec kNonmetalLabel{"Label4",
                               "Elementi ar nemetāliskām īpašībām",
                               {600, 3480, 2895, 735},
                               kCaptionFont,
                               palette::kLegendBlockP,
                               kCentred};

// A letter of the oxide cells, shown on the colour the table window gives
// it, and beside it what it stands for.
struct LetterCell {
    const char *letterName;
    const char *letter;
    const char *meaningName;
    int top;
};

const LetterCell kLetters[] = {
    {"Label6", "B", "Label9", 1200},
    {"Label7", "A", "Label10", 1680},
    {"Label8", "S", "Label11", 2160},
};

const LabelSpec kHeading{"Label5",     texts::kLegend, {2475, 120, 2865, 630},
                         kHeadingFont, kGreen,         kCentred};

// Refers to the radius caption of the details panel, which ends in "Å ¹".
// One line that must keep its unit (see below).
const LabelSpec kRadiusNote{"Label12",
                            "¹  1Å = 10^(-8) cm",
                            {4200, 3000, 1815, 375},
                            kSmallBoldFont,
                            kGreen,
                            Qt::AlignLeft | Qt::AlignTop,
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
        QLabel *letter = makeLabel(client(), {cell.letterName,
                                              cell.letter,
                                              {4200, cell.top, 375, 375},
                                              kSmallBoldFont,
                                              kBlack,
                                              kCentred});
        letter->setFrameStyle(QFrame::Box | QFrame::Plain);
        letter->setLineWidth(1);
        letter->setIndent(0); // the letter sits right inside the edge
        fill(letter, palette::oxideColour(cell.letter[0]));
        const std::string meaning = " - " + std::string(catalogue::oxideMeaning(cell.letter[0]));
        makeLabel(
            client(),
            {cell.meaningName, meaning.c_str(), {4920, cell.top, 3255, 375}, kMeaningFont, kGreen});
    }
    // The note's place is a pixel or two narrower than its text in our serif
    // font, which would wrap "cm" out of sight; it runs on to the right over
    // bare background instead.
    QLabel *note = makeLabel(client(), kRadiusNote);
    note->resize(std::max(note->width(), note->sizeHint().width()), note->height());

    pages::focusBackButton(*this);
}

} // namespace vielnis
