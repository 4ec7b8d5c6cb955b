#include "solubility/solubility_legend_window.h"

#include "shell/controls.h"
#include "shell/design_button.h"
#include "solubility/solubility_data.h"

#include <optional>

namespace vielnis {

using namespace solubility;

namespace {

const LabelSpec kTitle{"Label1",
                       "Apzīmējumi",
                       {1560, 120, 3255, 735},
                       {Face::Serif, 27.75, true},
                       QColor::fromRgb(kTitleGreen)};
const FontSpec kTextFont{Face::Serif, 12, true};

// The legend's "Š" swatch is paler than the cells that carry the mark.
constexpr QRgb kPaleSoluble = 0xC0FFC0;

struct LegendRow {
    const char *swatch;
    std::size_t mark;              // in kMarks, which lists the marks in this order
    std::optional<QRgb> ownColour; // instead of the colour of the cells
    bool boldMark;
    const char *label;
    int labelWidth;
};

// Top to bottom.
constexpr LegendRow kLegendRows[] = {
    {"CommandButton1", 0, kPaleSoluble, true, "Label2", 5175},
    {"CommandButton2", 1, std::nullopt, true, "Label3", 5055},
    {"CommandButton7", 2, std::nullopt, true, "Label4", 4815},
    {"CommandButton6", 3, std::nullopt, true, "Label5", 2895},
    {"CommandButton5", 4, std::nullopt, true, "Label6", 5175},
    {"CommandButton4", 5, std::nullopt, false, "Label7", 4215},
    {"CommandButton3", 6, std::nullopt, true, "Label8", 4215},
};

constexpr int kFirstTop = 960;
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 375;
constexpr int kSwatchLeft = 240;
constexpr int kSwatchWidth = 585;
constexpr int kTextLeft = 840;

} // namespace

SolubilityLegendWindow::SolubilityLegendWindow(WindowSet &windows)
    : HandbookWindow(WindowId::Form10, windows) {
    makeLabel(client(), kTitle);
    int top = kFirstTop;
    for (const LegendRow &row : kLegendRows) {
        const Mark &mark = kMarks[row.mark];
        // A swatch looks like a button and does nothing when pressed.
        auto *swatch = new DesignButton(client());
        swatch->setObjectName(QString::fromLatin1(row.swatch));
        swatch->setGeometry(Twips{kSwatchLeft, top, kSwatchWidth, kRowHeight}.toPixels());
        swatch->setFaceColour(QColor::fromRgb(row.ownColour.value_or(mark.cellColour)));
        swatch->setText(QString::fromUtf8(mark.caption));
        FontSpec font = kMarkFont;
        font.bold = row.boldMark;
        swatch->setFont(designFont(font));

        makeLabel(client(), {row.label,
                             mark.meaning,
                             {kTextLeft, top, row.labelWidth, kRowHeight},
                             kTextFont,
                             QColor::fromRgb(kYellow),
                             Qt::AlignLeft | Qt::AlignTop,
                             false});
        top += kRowPitch;
    }
    // The back button, first in the keyboard order, holds the focus.
    if (QWidget *back = client()->findChild<QWidget *>(QStringLiteral("Command1")))
        back->setFocus();
}

} // namespace vielnis
