#include "series/nonmetal_series_window.h"

#include "series/arrow_view.h"
#include "series/series_style.h"
#include "series/symbol_label.h"
#include "series/symbol_row.h"
#include "shell/controls.h"

namespace vielnis::series {

namespace {

constexpr int kTop = 1200;
constexpr int kSide = 375;

// One symbol of the row and the sentence a click on it shows.
struct Nonmetal {
    const char *name;
    const char *caption;
    int left;
    const char *sentence;
};

// Left to right, in ascending electronegativity.
const std::array<Nonmetal, kNonmetalCount> kNonmetals = {{
    {"Si", "Si", 1320, "Silīcija relatīvā elektronegativitāte (pēc L. Polinga) ir 1.90"},
    {"Ge", "Ge", 1800, "Germānija relatīvā elektronegativitāte (pēc L. Polinga) ir 2.01"},
    {"B", "B", 2280, "Bora relatīvā elektronegativitāte (pēc L. Polinga) ir 2.04"},
    {"Te", "Te", 2760, "Telūra relatīvā elektronegativitāte (pēc L. Polinga) ir 2.10"},
    {"eAs", "As", 3240, "Arsēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.18"},
    {"P", "P", 3720, "Fosfora relatīvā elektronegativitāte (pēc L. Polinga) ir 2.19"},
    {"H", "H", 4200, "Ūdenraža relatīvā elektronegativitāte (pēc L. Polinga) ir 2.20"},
    {"At", "At", 4680, "Astata relatīvā elektronegativitāte (pēc L. Polinga) ir 2.20"},
    {"C", "C", 5160, "Oglekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 2.55"},
    {"Se", "Se", 5640, "Selēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.55"},
    {"S", "S", 6120, "Sēra relatīvā elektronegativitāte (pēc L. Polinga) ir 2.58"},
    {"I", "I", 6600, "Joda relatīvā elektronegativitāte (pēc L. Polinga) ir 2.66"},
    {"Br", "Br", 7080, "Broma relatīvā elektronegativitāte (pēc L. Polinga) ir 2.96"},
    {"N", "N", 7560, "Slāpekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.04"},
    {"Cl", "Cl", 8040, "Hlora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.16"},
    {"O", "O", 8520, "Skābekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.44"},
    {"F", "F", 9000, "Fluora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.98"},
}};

// The symbol selected when the window opens.
constexpr const char *kSelectedOnOpening = "O";

const LabelSpec kTitle{
    "Label4", "NEMETĀLU ELEKTRONEGATIVITĀTES RINDA", {1440, 360, 7575, 375}, kTitleFont, kGreen};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
// clang-format off
const LabelSpec kSentence{"L1", "", {1200, 1920, 8295, 375}, kSentenceFont, kYellow,
                          kCentred, false};
// clang-format on

const ArrowLines kArrow = {{
    {960, 1680, 9960, 1680},
    {9840, 1560, 10080, 1680},
    {10080, 1680, 9840, 1800},
}};

} // namespace

NonmetalSeriesWindow::NonmetalSeriesWindow(WindowSet &windows)
    : HandbookWindow(WindowId::Form5, windows) {
    makeLabel(client(), kTitle);
    new ArrowView(client(), kArrow);

    for (std::size_t row = 0; row < kNonmetals.size(); ++row) {
        const Nonmetal &nonmetal = kNonmetals[row];
        auto *label = new SymbolLabel(client(), nonmetal.name, nonmetal.caption,
                                      {nonmetal.left, kTop, kSide, kSide}, kSymbolFont);
        m_symbols[row] = label;
        connect(label, &SymbolLabel::mouseMoved, this, [this, row] { pointAt(row); });
        connect(label, &SymbolLabel::clicked, this, [this, row] { select(row); });
    }

    m_sentence = makeLabel(client(), kSentence);

    connect(client(), &ClientArea::backgroundMouseMove, this,
            &NonmetalSeriesWindow::ResetNonmetalColours);

    auto *keyboard = new SymbolRow(this, {m_symbols.begin(), m_symbols.end()});
    for (std::size_t row = 0; row < kNonmetals.size(); ++row)
        if (qstrcmp(kNonmetals[row].name, kSelectedOnOpening) == 0) {
            select(row);
            keyboard->setCurrent(m_symbols[row]);
        }
}

void NonmetalSeriesWindow::ResetNonmetalColours() {
    for (SymbolLabel *label : m_symbols)
        label->setColour(kYellow);
}

void NonmetalSeriesWindow::ClearNonmetalBorders() {
    for (SymbolLabel *label : m_symbols)
        label->setFramed(false);
}

void NonmetalSeriesWindow::pointAt(std::size_t row) {
    ResetNonmetalColours();
    m_symbols[row]->setColour(kGreen);
}

void NonmetalSeriesWindow::select(std::size_t row) {
    ClearNonmetalBorders();
    m_symbols[row]->setFramed(true);
    m_sentence->setText(QString::fromUtf8(kNonmetals[row].sentence));
}

} // namespace vielnis::series
