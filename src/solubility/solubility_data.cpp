#include "solubility/solubility_data.h"

#include <cstring>

namespace vielnis::solubility {

namespace {

// Rows, top to bottom. The two iron rows tell their cells apart by a suffix;
// their header images are numbered on through both rows.
const std::array<Cation, kRows> kCations = {{
    {{"H", "+"}, "H", "", "H1", "H2"},
    {{"NH4", "+"}, "NH", "", "NH1", "NH2"},
    {{"K", "+"}, "K", "", "K1", "K2"},
    {{"Na", "+"}, "Na", "", "Na1", "Na2"},
    {{"Ag", "+"}, "Ag", "", "Ag1", "Ag2"},
    {{"Ba", "2+"}, "Ba", "", "Ba1", "Ba2"},
    {{"Ca", "2+"}, "Ca", "", "Ca1", "Ca2"},
    {{"Mg", "2+"}, "Mg", "", "Mg1", "Mg2"},
    {{"Zn", "2+"}, "Zn", "", "Zn1", "Zn2"},
    {{"Cu", "2+"}, "Cu", "", "Cu1", "Cu2"},
    {{"Pb", "2+"}, "Pb", "", "Pb1", "Pb2"},
    {{"Fe", "2+"}, "Fe", "1", "Fe1", "Fe2"},
    {{"Fe", "3+"}, "Fe", "2", "Fe3", "Fe4"},
    {{"Al", "3+"}, "Al", "", "Al1", "Al2"},
}};

// Columns, left to right.
const std::array<Anion, kColumns> kAnions = {{
    {{"OH", "-"}, "OH"},
    {{"NO3", "-"}, "NO"},
    {{"F", "-"}, "F"},
    {{"Cl", "-"}, "Cl"},
    {{"Br", "-"}, "Br"},
    {{"I", "-"}, "I"},
    {{"S", "2-"}, "S"},
    {{"SO3", "2-"}, "SO3"},
    {{"SO4", "2-"}, "SO4"},
    {{"CO3", "2-"}, "CO"},
    {{"PO4", "3-"}, "PO"},
    {{"SiO3", "2-"}, "SiO"},
    {{"CH3COO", "-"}, "CH3COO"},
}};

// The marks by row and column; "" is the water cell. A salt's mark follows
// the legend's limits (M: 0,001 g to 1 g in 100 g of water) applied to its
// solubility at about 20 °C in the CRC Handbook of Chemistry and Physics:
// MgCO3 0,01 to 0,04 g, CuF2 0,075 g, PbI2 0,076 g, PbSO4 0,004 g, so all
// four are slightly soluble.
const char *const kGrid[kRows][kColumns] = {
    // OH-  NO3-  F-   Cl-  Br-  I-   S2-  SO32- SO42- CO32- PO43- SiO32- CH3COO-
    {"", "00", "Š", "Š", "Š", "Š", "Š", "ŠS", "00", "ŠS", "Š", "N", "Š"}, // H+
    {"ŠS", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "-", "Š"},   // NH4+
    {"Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š"},    // K+
    {"Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š", "Š"},    // Na+
    {"-", "Š", "Š", "N", "N", "N", "N", "N", "M", "N", "N", "-", "Š"},    // Ag+
    {"Š", "Š", "M", "Š", "Š", "Š", "Š", "N", "N", "N", "N", "N", "Š"},    // Ba2+
    {"M", "Š", "N", "Š", "Š", "Š", "Š", "M", "M", "N", "N", "N", "Š"},    // Ca2+
    {"N", "Š", "M", "Š", "Š", "Š", "Š", "M", "Š", "M", "N", "N", "Š"},    // Mg2+
    {"N", "Š", "M", "Š", "Š", "Š", "N", "N", "Š", "N", "N", "N", "Š"},    // Zn2+
    {"N", "Š", "M", "Š", "Š", "-", "N", "N", "Š", "-", "N", "N", "Š"},    // Cu2+
    {"N", "Š", "M", "M", "M", "M", "N", "N", "M", "N", "N", "N", "Š"},    // Pb2+
    {"N", "Š", "M", "Š", "Š", "Š", "N", "N", "Š", "N", "N", "N", "Š"},    // Fe2+
    {"N", "Š", "N", "Š", "Š", "-", "+", "+", "Š", "+", "N", "N", "Š"},    // Fe3+
    {"N", "Š", "M", "Š", "Š", "Š", "+", "+", "Š", "+", "N", "N", "M"},    // Al3+
};

// The one cell whose name breaks the rule: Al3+ x SiO3 2- is "AlSiO1".
struct NameException {
    int row;
    int column;
    const char *suffix;
};
constexpr NameException kNameExceptions[] = {{13, 11, "1"}};

// Layout in twips.
constexpr int kGridLeft = 960;
constexpr int kGridTop = 1440;
constexpr int kColumnPitch = 600;
constexpr int kRowPitch = 360; // cells are higher than this, so rows overlap
constexpr int kCellWidth = 585;
constexpr int kCellHeight = 405;
constexpr int kAnionImageTop = 960;
constexpr int kImageWidth = 540;
constexpr int kWideImageWidth = 945; // CH3COO, the last column
constexpr int kImageHeight = 405;
constexpr int kLeftImageLeft = 360;
constexpr int kRightImageLeft = 8880;

} // namespace

const std::array<Cation, kRows> &cations() {
    return kCations;
}

const std::array<Anion, kColumns> &anions() {
    return kAnions;
}

const Mark &cellMark(int row, int column) {
    const char *caption = kGrid[row][column];
    for (const Mark &mark : kMarks)
        if (std::strcmp(mark.caption, caption) == 0)
            return mark;
    return kMarks.back();
}

QString cellName(int row, int column) {
    const char *suffix = kCations[std::size_t(row)].cellSuffix;
    for (const NameException &exception : kNameExceptions)
        if (exception.row == row && exception.column == column)
            suffix = exception.suffix;
    return QString::fromLatin1(kCations[std::size_t(row)].key) +
           QString::fromLatin1(kAnions[std::size_t(column)].key) + QString::fromLatin1(suffix);
}

namespace {
QString plainFormula(const IonFormula &formula) {
    return QString::fromUtf8(formula.body) + QLatin1Char(' ') + QString::fromUtf8(formula.charge);
}
} // namespace

QString cellDescription(int row, int column) {
    QString meaning = QString::fromUtf8(cellMark(row, column).meaning);
    meaning.remove(0, 3); // the legend's " - "
    return QStringLiteral("%1 un %2: %3")
        .arg(plainFormula(cations()[std::size_t(row)].formula),
             plainFormula(anions()[std::size_t(column)].formula), meaning);
}

QString ionDescription(const IonFormula &formula, bool cation) {
    return (cation ? QStringLiteral("katjons ") : QStringLiteral("anjons ")) +
           plainFormula(formula);
}

Twips cellRect(int row, int column) {
    return {kGridLeft + kColumnPitch * column, kGridTop + kRowPitch * row, kCellWidth, kCellHeight};
}

Twips anionImageRect(int column) {
    return {kGridLeft + kColumnPitch * column, kAnionImageTop,
            column == kColumns - 1 ? kWideImageWidth : kImageWidth, kImageHeight};
}

Twips leftImageRect(int row) {
    return {kLeftImageLeft, kGridTop + kRowPitch * row, kImageWidth, kImageHeight};
}

Twips rightImageRect(int row) {
    return {kRightImageLeft, kGridTop + kRowPitch * row, kImageWidth, kImageHeight};
}

} // namespace vielnis::solubility
