#pragma once

#include <array>
#include <span>
#include <string_view>

namespace vielnis::catalogue {

// What the modification picker shows after an element click.
enum class PickerMode {
    ElementName,   // the element's own name, locked
    FixedName,     // a fixed text (boron), locked
    Modifications, // the element's allotropic modifications, choosable
};

// One element of the periodic table window. Every text is a display text
// exactly as the details panel shows it; an empty text means "not given".
// The texts are named after the fields of the details panel; nonmetal and
// rowMark say how the element's button looks.
struct ElementRecord {
    std::string_view symbol;            // txtFru1, and the button name after "cmd"
    int number = 0;                     // Text14 (as a number; shown as its digits)
    bool nonmetal = false;              // its button on the non-metals' face
    int rowMark = 0;                    // stars: 1 to the lanthanides' row, 2 to the actinides'
    std::string_view name;              // Text1
    std::string_view mass;              // Text3
    std::string_view configuration;     // Text13
    std::string_view nameOrigin;        // Text15
    std::string_view discovery;         // Text10
    std::string_view crust;             // Text12, per cent of the Earth's crust
    std::string_view body;              // Text7, grams in a 70 kg human body
    std::string_view electronegativity; // Text11
    std::string_view radius;            // Text9, in angstrom
    std::string_view state;             // Text2
    std::string_view melting;           // Text5
    std::string_view boiling;           // Text4
    std::string_view density;           // Text6
    std::string_view colour;            // Text8
    std::string_view subscript;         // txtFru2
    // Oxidation states, blank-separated, in cell order ("-3 +1 +2"); a state
    // written with a trailing '!' is highlighted ("-1 +1!").
    std::string_view oxidation;
    // Oxide character per oxidation-state cell, one character per cell:
    // 'B' basic, 'A' amphoteric, 'S' acidic, '.' empty. Trailing empties may
    // be left out ("..S").
    std::string_view oxides;
    PickerMode picker = PickerMode::ElementName;
    std::string_view fixedPickerText; // for PickerMode::FixedName
};

} // namespace vielnis::catalogue
