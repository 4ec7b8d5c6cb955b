#include "series/metal_series_window.h"

#include "series/symbol_label.h"
#include "shell/shared_texts.h"

#include <QFontMetricsF>
#include <QtMath>

namespace vielnis::series {

namespace {

constexpr int kTop = 1200;
constexpr int kSide = 375;
constexpr int kWide = 495;
constexpr FontSpec kHydrogenFont{Face::Serif, 18, true, false, true};

enum class Hover {
    ResetAll,       // every other symbol back to yellow first
    RightNeighbour, // only the symbol to the right goes back to yellow
};

// One symbol of the row and what a click on it writes.
struct Metal : SeriesSymbol {
    const char *potential;              // mes
    const char *charge;                 // L2
    const char *ionIndex = nullptr;     // L_i1, when the ion carries an index
    const char *elementIndex = nullptr; // L_i2, when the element does
    Hover hover = Hover::ResetAll;
};

// In the order the reset routines walk them. Zinc comes before chromium
// here, though chromium stands left of it in the row.
// clang-format off
const Metal kMetals[] = {
    {{"Li", "Li", {360, kTop, kSide, kSide}}, "- 3,045 V", "+", nullptr, nullptr,
     Hover::RightNeighbour},
    {{"Rb", "Rb", {720, kTop, kSide, kSide}}, "- 2,925 V", "+"},
    {{"K", "K", {1080, kTop, kSide, kSide}}, "- 2,924 V", "+"},
    {{"Cs", "Cs", {1440, kTop, kSide, kSide}}, "- 2,923 V", "+"},
    {{"Ba", "Ba", {1800, kTop, kSide, kSide}}, "- 2,905 V", "2+"},
    {{"Sr", "Sr", {2160, kTop, kSide, kSide}}, "- 2,888 V", "2+"},
    {{"Ca", "Ca", {2520, kTop, kSide, kSide}}, "- 2,864 V", "2+"},
    {{"Na", "Na", {2880, kTop, kSide, kSide}}, "- 2,714 V", "+"},
    {{"Mg", "Mg", {3240, kTop, kWide, kSide}}, "- 2,370 V", "2+"},
    {{"Be", "Be", {3720, kTop, kSide, kSide}}, "- 1,847 V", "2+"},
    {{"Al", "Al", {4080, kTop, kSide, kSide}}, "- 1,700 V", "3+"},
    {{"Mn", "Mn", {4440, kTop, kWide, kSide}}, "- 1,192 V", "2+"},
    {{"Zn", "Zn", {5280, kTop, kSide, kSide}}, "- 0,763 V", "2+"},
    {{"Cr", "Cr", {4920, kTop, kSide, kSide}}, "- 0,852 V", "2+"},
    {{"Fe", "Fe", {5640, kTop, kSide, kSide}}, "- 0,441 V", "2+"},
    {{"Cd", "Cd", {6000, kTop, kSide, kSide}}, "- 0,404 V", "2+"},
    {{"Co", "Co", {6360, kTop, kSide, kSide}}, "- 0,277 V", "2+"},
    {{"Ni", "Ni", {6720, kTop, kSide, kSide}}, "- 0,234 V", "2+"},
    {{"Sn", "Sn", {7080, kTop, kSide, kSide}}, "- 0,141 V", "2+"},
    {{"Pb", "Pb", {7440, kTop, kSide, kSide}}, "- 0,126 V", "2+"},
    {{"H", "H", {7800, 1080, kWide, kWide}, kHydrogenFont},
     "0,000 V", "+", nullptr, "2"},
    {{"Cu", "Cu", {8280, kTop, kSide, kSide}}, "+ 0,338 V", "2+"},
    {{"Hg", "Hg", {8640, kTop, kSide, kSide}}, "+ 0,796 V", "2+", "2"},
    {{"Ag", "Ag", {9000, kTop, kSide, kSide}}, "+ 0,799 V", "+"},
    {{"Pt", "Pt", {9360, kTop, kSide, kSide}}, "+ 1,188 V", "2+"},
    {{"Au", "Au", {9720, kTop, kSide, kSide}}, "+ 1,498 V", "3+"},
};
// clang-format on

// The symbol selected when the window opens.
constexpr const char *kSelectedOnOpening = "H";

const char *const kCoupleSeparator = " / ";

const SeriesLook kLook{texts::kMetalSeriesHeading,
                       {1680, 360, 7695, 375},
                       {{
                           {120, 1680, 10440, 1680},
                           {10320, 1560, 10560, 1680},
                           {10560, 1680, 10320, 1800},
                       }}};

// The half-reaction line: the couple typeset from separate labels, with a
// superscript charge and lowered indexes, then the fixed words and the
// potential. Texts other than the fixed words come from a click. Made in
// this order, so that an index lies over the text it belongs to.
constexpr FontSpec kScriptFont{Face::Serif, 11.25};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
using palette::kPaleYellow;
using palette::kYellow;
// clang-format off
const LabelSpec kHalfReaction[] = {
    {"L1",   "", {1920, 2040, 495, 375}, kSentenceFont, kYellow,     kCentred, false},
    {"L_i1", "", {2280, 2280, 255, 255}, kScriptFont,   kPaleYellow, kCentred, false},
    {"L2",   "", {2400, 2040, 255, 255}, kScriptFont,   kYellow,     kLeft,    false},
    {"L3",   "", {2640, 2040, 615, 375}, kSentenceFont, kYellow,     kLeft,    false},
    {"L_i2", "", {3120, 2160, 255, 255}, kScriptFont,   kYellow,     kLeft,    false},
    {"Label5", "elektroda standartpotenciāls (E°) ir",
                 {3360, 2040, 3975, 375}, kSentenceFont, kYellow,    kLeft,    false},
    {"mes",  "", {7320, 2040, 1335, 375}, kSentenceFont, kYellow,    kLeft,    false},
};
// clang-format on

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

MetalSeriesWindow::MetalSeriesWindow(WindowSet &windows)
    : SymbolSeriesWindow(WindowId::Form3, windows, kLook,
                         {std::begin(kMetals), std::end(kMetals)}) {
    // Each label of the line held as it is made, in the table's order.
    QLabel *words = nullptr; // Label5
    QLabel **parts[] = {&m_ion,          &m_ionIndex, &m_charge,   &m_element,
                        &m_elementIndex, &words,      &m_potential};
    static_assert(std::size(parts) == std::size(kHalfReaction));
    for (std::size_t at = 0; at < std::size(parts); ++at)
        *parts[at] = makeLabel(client(), kHalfReaction[at]);
    m_words = words;
    setSentenceSpacing(words);
    selectOnOpening(kSelectedOnOpening);
}

void MetalSeriesWindow::zoomChanged() {
    SymbolSeriesWindow::zoomChanged();
    setSentenceSpacing(m_words);
}

void MetalSeriesWindow::setSentenceSpacing(QLabel *words) {
    // In the embedded serif the fixed words are a shade wider than their
    // label, and the potential's label begins where they end. The words are
    // drawn just tight enough to keep within their label, and the potential
    // begins one blank after them: "... (E°) ir 0,000 V".
    words->setFont(fittedFont(words->font(), words->text(), words->contentsRect().width()));
    const QFontMetricsF metrics(words->font());
    const qreal blank = QFontMetricsF(m_potential->font()).horizontalAdvance(QLatin1Char(' '));
    const qreal end = words->x() + metrics.horizontalAdvance(words->text()) + blank;
    m_potential->setContentsMargins(qMax(0, qCeil(end) - m_potential->x()), 0, 0, 0);
}

void MetalSeriesWindow::ResetMetalColours() {
    resetColours();
}

void MetalSeriesWindow::ClearMetalBorders() {
    clearBorders();
}

void MetalSeriesWindow::ClearHalfReaction() {
    for (QLabel *label : {m_ion, m_charge, m_ionIndex, m_elementIndex, m_element, m_potential})
        label->clear();
}

void MetalSeriesWindow::pointAt(std::size_t row) {
    switch (kMetals[row].hover) {
    case Hover::ResetAll:
        SymbolSeriesWindow::pointAt(row);
        break;
    case Hover::RightNeighbour:
        symbol(row)->setColour(palette::kGreen);
        symbol(row + 1)->setColour(palette::kYellow);
        break;
    }
}

void MetalSeriesWindow::showSelected(std::size_t row) {
    const Metal &metal = kMetals[row];
    ClearHalfReaction();
    m_potential->setText(text(metal.potential));
    m_ion->setText(text(metal.caption));
    m_charge->setText(text(metal.charge));
    if (metal.elementIndex)
        m_elementIndex->setText(text(metal.elementIndex));
    if (metal.ionIndex)
        m_ionIndex->setText(text(metal.ionIndex));
    m_element->setText(text(kCoupleSeparator) + m_ion->text());
}

} // namespace vielnis::series
