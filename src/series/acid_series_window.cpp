#include "series/acid_series_window.h"

#include "series/arrow_view.h"
#include "series/formula_strip.h"
#include "series/series_style.h"
#include "shell/shared_texts.h"

namespace vielnis::series {

namespace {

const Twips kTitle{3120, 360, 5055, 375};

// From the strongest acid to the weakest; every digit is an index.
const FormulaLine kAcids{
    "H2SO4 > (H3PO4 - HCl - HNO3) > H2SO3 > CH3COOH > H2CO3 > H2S > H2SiO3", 14, 8, 36, 260, 70};
const Twips kStrip{720, 1200, 9105, 375};

const ArrowLines kArrow = {{
    {480, 1680, 10200, 1680},
    {10080, 1560, 10320, 1680},
    {10320, 1680, 10080, 1800},
}};

} // namespace

AcidSeriesWindow::AcidSeriesWindow(WindowSet &windows) : HandbookWindow(WindowId::Form8, windows) {
    makeSeriesTitle(client(), texts::kAcidSeriesHeading, kTitle);
    new FormulaStrip(client(), "Image1", kStrip, kAcids);
    new ArrowView(client(), kArrow);
}

const FormulaLine &AcidSeriesWindow::formulaLine() {
    return kAcids;
}

} // namespace vielnis::series
