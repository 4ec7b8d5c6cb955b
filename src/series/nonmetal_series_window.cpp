#include "series/nonmetal_series_window.h"

#include "shell/shared_texts.h"

namespace vielnis::series {

namespace {

// The symbols stand 480 twips apart, with background between them.
constexpr Twips at(int left) {
    return {left, 1200, 375, 375};
}

// One symbol of the row and the sentence a click on it shows.
struct Nonmetal : SeriesSymbol {
    const char *sentence;
};

// Left to right, in ascending electronegativity.
const Nonmetal kNonmetals[] = {
    {{"Si", "Si", at(1320)}, "Silīcija relatīvā elektronegativitāte (pēc L. Polinga) ir 1.90"},
    {{"Ge", "Ge", at(1800)}, "Germānija relatīvā elektronegativitāte (pēc L. Polinga) ir 2.01"},
    {{"B", "B", at(2280)}, "Bora relatīvā elektronegativitāte (pēc L. Polinga) ir 2.04"},
    {{"Te", "Te", at(2760)}, "Telūra relatīvā elektronegativitāte (pēc L. Polinga) ir 2.10"},
    {{"eAs", "As", at(3240)}, "Arsēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.18"},
    {{"P", "P", at(3720)}, "Fosfora relatīvā elektronegativitāte (pēc L. Polinga) ir 2.19"},
    {{"H", "H", at(4200)}, "Ūdeņraža relatīvā elektronegativitāte (pēc L. Polinga) ir 2.20"},
    {{"At", "At", at(4680)}, "Astata relatīvā elektronegativitāte (pēc L. Polinga) ir 2.20"},
    {{"C", "C", at(5160)}, "Oglekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 2.55"},
    {{"Se", "Se", at(5640)}, "Selēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.55"},
    {{"S", "S", at(6120)}, "Sēra relatīvā elektronegativitāte (pēc L. Polinga) ir 2.58"},
    {{"I", "I", at(6600)}, "Joda relatīvā elektronegativitāte (pēc L. Polinga) ir 2.66"},
    {{"Br", "Br", at(7080)}, "Broma relatīvā elektronegativitāte (pēc L. Polinga) ir 2.96"},
    {{"N", "N", at(7560)}, "Slāpekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.04"},
    {{"Cl", "Cl", at(8040)}, "Hlora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.16"},
    {{"O", "O", at(8520)}, "Skābekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.44"},
    {{"F", "F", at(9000)}, "Fluora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.98"},
};

// The symbol selected when the window opens.
constexpr const char *kSelectedOnOpening = "O";

const SeriesLook kLook{texts::kNonmetalSeriesHeading,
                       {1440, 360, 7575, 375},
                       {{
                           {960, 1680, 9960, 1680},
                           {9840, 1560, 10080, 1680},
                           {10080, 1680, 9840, 1800},
                       }}};

const LabelSpec kSentence{"L1",
                          "",
                          {1200, 1920, 8295, 375},
                          kSentenceFont,
                          palette::kYellow,
                          Qt::AlignHCenter | Qt::AlignTop,
                          false};

} // namespace

NonmetalSeriesWindow::NonmetalSeriesWindow(WindowSet &windows)
    : SymbolSeriesWindow(WindowId::Form5, windows, kLook,
                         {std::begin(kNonmetals), std::end(kNonmetals)}),
      m_sentence(makeLabel(client(), kSentence)) {
    selectOnOpening(kSelectedOnOpening);
}

void NonmetalSeriesWindow::ResetNonmetalColours() {
    resetColours();
}

void NonmetalSeriesWindow::ClearNonmetalBorders() {
    clearBorders();
}

void NonmetalSeriesWindow::showSelected(std::size_t row) {
    m_sentence->setText(QString::fromUtf8(kNonmetals[row].sentence));
}

} // namespace vielnis::series
