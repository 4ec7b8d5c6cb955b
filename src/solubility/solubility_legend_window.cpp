#include "solubility/solubility_legend_window.h"

#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/design_palette.h"
#include "shell/shared_texts.h"
#include "solubility/solubility_data.h"

namespace vielnis {

using namespace solubility;

namespace {

const LabelSpec kTitle{
    "Label1", texts::kLegend, {1560, 120, 3255, 735}, {Face::Serif, 27.75, true}, palette::kGreen};

} // namespace

SolubilityLegendWindow::SolubilityLegendWindow(WindowSet &windows)
    : HandbookWindow(WindowId::Form10, windows) {
    makeLabel(client(), kTitle);
    int top = kLegendFirstTop;
    for (const LegendRow &row : kLegendRows) {
        const Mark &mark = kMarks[row.mark];
        // A swatch looks like a button and does nothing when pressed.
        auto *swatch = new DesignButton(client());
        swatch->setObjectName(QString::fromLatin1(row.swatch));
        swatch->setGeometry(
            Twips{kLegendSwatchLeft, top, kLegendSwatchWidth, kLegendRowHeight}.toPixels());
        swatch->setFaceColour(QColor::fromRgb(row.colour));
        swatch->setText(QString::fromUtf8(mark.caption));
        FontSpec font = kMarkFont;
        font.bold = row.boldMark;
        swatch->setFont(designFont(font));

        makeLabel(client(), {row.label,
                             mark.meaning,
                             {kLegendTextLeft, top, row.labelWidth, kLegendRowHeight},
                             kLegendTextFont,
                             palette::kYellow,
                             Qt::AlignLeft | Qt::AlignTop,
                             false});
        top += kLegendRowPitch;
    }
    // The back button, first in the keyboard order, holds the focus.
    backButton()->setFocus();
}

} // namespace vielnis
