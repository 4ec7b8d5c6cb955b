#pragma once

#include "catalogue/element_record.h"
#include "catalogue/element_table.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace vielnis::catalogue {

constexpr int kCellCount = 6; // oxidation-state and oxide-character cells

struct OxidationCell {
    std::string_view text; // "+1", "-3"; empty for an unused cell
    bool highlighted = false;
};

// The record whose symbol is given ("H", "Uuh"), or nullptr.
const ElementRecord *findElement(std::string_view symbol);

// The record's oxidation states, cell by cell.
std::array<OxidationCell, kCellCount> oxidationCells(const ElementRecord &record);

// The record's oxide letter of each cell: 'B', 'A', 'S', or '\0' for none.
std::array<char, kCellCount> oxideLetters(const ElementRecord &record);

// Background colour of an oxide-character cell showing the letter, as 0xRRGGBB.
constexpr unsigned oxideColour(char letter) {
    switch (letter) {
    case 'B':
        return 0x00FFFF;
    case 'A':
        return 0xFFFF00;
    case 'S':
        return 0xFF0000;
    default:
        return 0xFFFFFF;
    }
}

} // namespace vielnis::catalogue
