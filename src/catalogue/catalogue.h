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

// What an oxide letter says of the oxide and its hydrate: "bāziskās
// īpašības" for 'B', "amfotērās īpašības" for 'A', "skābās īpašības" for 'S';
// empty for anything else.
constexpr std::string_view oxideMeaning(char letter) {
    switch (letter) {
    case 'B':
        return "bāziskās īpašības";
    case 'A':
        return "amfotērās īpašības";
    case 'S':
        return "skābās īpašības";
    default:
        return {};
    }
}

} // namespace vielnis::catalogue
