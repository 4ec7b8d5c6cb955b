#pragma once

// The facts of the solubility table: its marks and their colours, the ions of
// its rows and columns, the grid of marks and the places of cells and header
// images. Plain data; the windows lay themselves out from it.

#include "shell/design_fonts.h"
#include "shell/twips.h"

#include <QRgb>
#include <QString>
#include <array>

namespace vielnis::solubility {

constexpr int kRows = 14;    // cations
constexpr int kColumns = 13; // anions

// How an ion's formula is written: the symbols with their atom counts (every
// digit of body is a count, written lowered) and the charge, written raised.
struct IonFormula {
    const char *body;   // "SO4", "NH4", "Fe"
    const char *charge; // "2-", "+", "3+"
};

// A row of the table.
struct Cation {
    IonFormula formula;
    const char *key;        // first part of the cell names of the row
    const char *cellSuffix; // last part of the cell names of the row ("" for most rows)
    const char *leftImage;  // header image at the left end of the row
    const char *rightImage; // header image at the right end of the row
};

// A column of the table; its key is also the name of its header image.
struct Anion {
    IonFormula formula;
    const char *key;
};

// The font the table and its legend share; their titles are the palette's
// green, the header formulas and the legend's texts its yellow.
constexpr FontSpec kMarkFont{Face::Serif, 8.25, true}; // cell and swatch captions

// The pale green of the water cell, which the legend's "Š" swatch shows too.
constexpr QRgb kPaleGreen = 0xC0FFC0;

// A solubility mark: its caption, the background of the cells that show it
// and what it means, as the legend says it.
struct Mark {
    const char *caption;
    QRgb cellColour;
    const char *meaning;
};

// The seven marks in the order the legend explains them, then the water cell,
// which shows no mark.
constexpr std::array<Mark, 8> kMarks = {{
    {"Š", 0x80FF80, " - šķīstoša viela (> 1 g / 100 g ūdens)"},
    {"M", 0x8080FF, " - mazšķīstoša viela (0,001 g -1 g / 100 g ūdens)"},
    {"N", 0xFF8080, " - nešķīstoša viela (< 0,001 g / 100 g ūdens)"},
    {"00", 0xFFFF80, " - šķīdība ir neierobežota"},
    {"ŠS", 0xFFC0FF, " - nestabilas vielas šķīdums - sadalās, izdalot gāzi"},
    {"+", 0xC0C0FF, " - viela reaģē ar ūdeni"},
    {"-", 0xFFC080, " - viela nav iegūta"},
    {"", kPaleGreen, " - ūdens"}, // the H+ x OH- cell, which shows no mark
}};

// The legend: one row per mark of kMarks but the water cell, top to bottom,
// a swatch showing the mark and the sentence that explains it.
struct LegendRow {
    const char *swatch;
    std::size_t mark; // in kMarks
    QRgb colour;      // the swatch's
    bool boldMark;
    const char *label;
    int labelWidth; // twips
};
// The legend's "Š" swatch is paler than the cells that carry the mark.
constexpr std::array<LegendRow, 7> kLegendRows = {{
    {"CommandButton1", 0, kPaleGreen, true, "Label2", 5175},
    {"CommandButton2", 1, kMarks[1].cellColour, true, "Label3", 5055},
    {"CommandButton7", 2, kMarks[2].cellColour, true, "Label4", 4815},
    {"CommandButton6", 3, kMarks[3].cellColour, true, "Label5", 2895},
    {"CommandButton5", 4, kMarks[4].cellColour, true, "Label6", 5175},
    {"CommandButton4", 5, kMarks[5].cellColour, false, "Label7", 4215},
    {"CommandButton3", 6, kMarks[6].cellColour, true, "Label8", 4215},
}};
// Places in twips: row n (from 0) has its top at kLegendFirstTop + n pitches.
constexpr int kLegendFirstTop = 960;
constexpr int kLegendRowPitch = 360;
constexpr int kLegendRowHeight = 375;
constexpr int kLegendSwatchLeft = 240;
constexpr int kLegendSwatchWidth = 585;
constexpr int kLegendTextLeft = 840;
constexpr FontSpec kLegendTextFont{Face::Serif, 12, true};

const std::array<Cation, kRows> &cations();
const std::array<Anion, kColumns> &anions();

// The mark of the cell in row r, column c.
const Mark &cellMark(int row, int column);
// The cell's design name: cation key, anion key, row suffix ("AgBr", "FeSO41").
QString cellName(int row, int column);

// What a cell or header image stands for, in words a screen reader can say:
// "Ag + un Br -: nešķīstoša viela (< 0,001 g / 100 g ūdens)", "anjons SO4 2-".
QString cellDescription(int row, int column);
QString ionDescription(const IonFormula &formula, bool cation);

Twips cellRect(int row, int column);
Twips anionImageRect(int column);
Twips leftImageRect(int row);
Twips rightImageRect(int row);

} // namespace vielnis::solubility
