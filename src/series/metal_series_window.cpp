#include "series/metal_series_window.h"

#include "series/arrow_view.h"
#include "series/series_style.h"
#include "series/symbol_label.h"
#include "series/symbol_row.h"
#include "shell/controls.h"

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
struct Metal {
    const char *symbol;
    Twips rect;
    const char *potential;              // mes
    const char *charge;                 // L2
    const char *ionIndex = nullptr;     // L_i1, when the ion carries an index
    const char *elementIndex = nullptr; // L_i2, when the element does
    FontSpec font = kSymbolFont;
    Hover hover = Hover::ResetAll;
};

// In the order the reset routines walk them. Zinc comes before chromium
// here, though chromium stands left of it in the row.
// clang-format off
const std::array<Metal, kMetalCount> kMetals = {{
    {"Li", {360, kTop, kSide, kSide}, "- 3,045 V", "+", nullptr, nullptr, kSymbolFont,
     Hover::RightNeighbour},
    {"Rb", {720, kTop, kSide, kSide}, "- 2,925 V", "+"},
    {"K",  {1080, kTop, kSide, kSide}, "- 2,924 V", "+"},
    {"Cs", {1440, kTop, kSide, kSide}, "- 2,923 V", "+"},
    {"Ba", {1800, kTop, kSide, kSide}, "- 2,905 V", "2+"},
    {"Sr", {2160, kTop, kSide, kSide}, "- 2,888 V", "2+"},
    {"Ca", {2520, kTop, kSide, kSide}, "- 2,864 V", "2+"},
    {"Na", {2880, kTop, kSide, kSide}, "- 2,771 V", "+"},
    {"Mg", {3240, kTop, kWide, kSide}, "- 2,370 V", "2+"},
    {"Be", {3720, kTop, kSide, kSide}, "- 1,847 V", "2+"},
    {"Al", {4080, kTop, kSide, kSide}, "- 1,700 V", "3+"},
    {"Mn", {4440, kTop, kWide, kSide}, "- 1,192 V", "2+"},
    {"Zn", {5280, kTop, kSide, kSide}, "- 0,763 V", "2+"},
    {"Cr", {4920, kTop, kSide, kSide}, "- 0,852 V", "2+"},
    {"Fe", {5640, kTop, kSide, kSide}, "- 0,441 V", "2+"},
    {"Cd", {6000, kTop, kSide, kSide}, "- 0,404 V", "2+"},
    {"Co", {6360, kTop, kSide, kSide}, "- 0,277 V", "2+"},
    {"Ni", {6720, kTop, kSide, kSide}, "- 0,234 V", "2+"},
    {"Sn", {7080, kTop, kSide, kSide}, "- 0,141 V", "2+"},
    {"Pb", {7440, kTop, kSide, kSide}, "- 0,126 V", "2+"},
    {"H",  {7800, 1080, kWide, kWide}, "0,000 V",   "+",  nullptr, "2", kHydrogenFont},
    {"Cu", {8280, kTop, kSide, kSide}, "+ 0,338 V", "2+"},
    {"Hg", {8640, kTop, kSide, kSide}, "+ 0,796 V", "2+", "2"},
    {"Ag", {9000, kTop, kSide, kSide}, "+ 0,799 V", "+"},
    {"Pt", {9360, kTop, kSide, kSide}, "+ 0,963 V", "2+"},
    {"Au", {9720, kTop, kSide, kSide}, "+ 1,691 V", "3+"},
}};
// clang-format on

// The symbol selected when the window opens.
constexpr const char *kSelectedOnOpening = "H";

const char *const kCoupleSeparator = " / ";

const LabelSpec kTitle{
    "Label4", "METĀLU ELEKTROĶĪMISKA SPRIEGUMU RINDA", {1680, 360, 7695, 375}, kTitleFont, kGreen};

const ArrowLines kArrow = {{
    {120, 1680, 10440, 1680},
    {10320, 1560, 10560, 1680},
    {10560, 1680, 10320, 1800},
}};

// The half-reaction line: the couple typeset from separate labels, with a
// superscript charge and lowered indexes, then the fixed words and the
// potential. Texts other than the fixed words come from a click.
const QColor kIonIndexYellow(0xFF, 0xFF, 0x80);
constexpr FontSpec kScriptFont{Face::Serif, 11.25};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
// clang-format off
const LabelSpec kHalfReaction[] = {
    {"L1",   "", {1920, 2040, 495, 375}, kSentenceFont, kYellow,         kCentred, false},
    {"L_i1", "", {2280, 2280, 255, 255}, kScriptFont,   kIonIndexYellow, kCentred, false},
    {"L2",   "", {2400, 2040, 255, 255}, kScriptFont,   kYellow,         kLeft,    false},
    {"L3",   "", {2640, 2040, 615, 375}, kSentenceFont, kYellow,         kLeft,    false},
    {"L_i2", "", {3120, 2160, 255, 255}, kScriptFont,   kYellow,         kLeft,    false},
    {"Label5", "elektroda standartpotenciāls (E°) ir",
                 {3360, 2040, 3975, 375}, kSentenceFont, kYellow,        kLeft,    false},
    {"mes",  "", {7320, 2040, 1335, 375}, kSentenceFont, kYellow,        kLeft,    false},
};
// clang-format on

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

MetalSeriesWindow::MetalSeriesWindow(WindowSet &windows)
    : HandbookWindow(WindowId::Form3, windows) {
    makeLabel(client(), kTitle);
    new ArrowView(client(), kArrow);

    for (std::size_t row = 0; row < kMetals.size(); ++row) {
        const Metal &metal = kMetals[row];
        auto *label = new SymbolLabel(client(), metal.symbol, metal.symbol, metal.rect, metal.font);
        m_symbols[row] = label;
        connect(label, &SymbolLabel::mouseMoved, this, [this, row] { pointAt(row); });
        connect(label, &SymbolLabel::clicked, this, [this, row] { select(row); });
    }

    for (const LabelSpec &look : kHalfReaction)
        makeLabel(client(), look);
    auto find = [this](const char *name) {
        return client()->findChild<QLabel *>(QString::fromLatin1(name));
    };
    m_ion = find("L1");
    m_ionIndex = find("L_i1");
    m_charge = find("L2");
    m_element = find("L3");
    m_elementIndex = find("L_i2");
    m_potential = find("mes");
    setSentenceSpacing(find("Label5"));

    connect(client(), &ClientArea::backgroundMouseMove, this,
            &MetalSeriesWindow::ResetMetalColours);

    auto *keyboard = new SymbolRow(this, {m_symbols.begin(), m_symbols.end()});
    for (std::size_t row = 0; row < kMetals.size(); ++row)
        if (qstrcmp(kMetals[row].symbol, kSelectedOnOpening) == 0) {
            select(row);
            keyboard->setCurrent(m_symbols[row]);
        }
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
    for (SymbolLabel *label : m_symbols)
        label->setColour(kYellow);
}

void MetalSeriesWindow::ClearMetalBorders() {
    for (SymbolLabel *label : m_symbols)
        label->setFramed(false);
}

void MetalSeriesWindow::ClearHalfReaction() {
    for (QLabel *label : {m_ion, m_charge, m_ionIndex, m_elementIndex, m_element, m_potential})
        label->clear();
}

void MetalSeriesWindow::pointAt(std::size_t row) {
    switch (kMetals[row].hover) {
    case Hover::ResetAll:
        ResetMetalColours();
        m_symbols[row]->setColour(kGreen);
        break;
    case Hover::RightNeighbour:
        m_symbols[row]->setColour(kGreen);
        m_symbols[row + 1]->setColour(kYellow);
        break;
    }
}

void MetalSeriesWindow::select(std::size_t row) {
    const Metal &metal = kMetals[row];
    ClearMetalBorders();
    m_symbols[row]->setFramed(true);
    ClearHalfReaction();
    m_potential->setText(text(metal.potential));
    m_ion->setText(text(metal.symbol));
    m_charge->setText(text(metal.charge));
    if (metal.elementIndex)
        m_elementIndex->setText(text(metal.elementIndex));
    if (metal.ionIndex)
        m_ionIndex->setText(text(metal.ionIndex));
    m_element->setText(text(kCoupleSeparator) + m_ion->text());
}

} // namespace vielnis::series
