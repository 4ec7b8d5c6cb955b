#include "catalogue/catalogue.h"

namespace vielnis::catalogue {

const ElementRecord *findElement(std::string_view symbol) {
    for (const ElementRecord &record : elementTable())
        if (record.symbol == symbol)
            return &record;
    return nullptr;
}

std::array<OxidationCell, kCellCount> oxidationCells(const ElementRecord &record) {
    std::array<OxidationCell, kCellCount> cells{};
    std::string_view rest = record.oxidation;
    for (OxidationCell &cell : cells) {
        while (rest.starts_with(' '))
            rest.remove_prefix(1);
        if (rest.empty())
            break;
        std::string_view token = rest.substr(0, rest.find(' '));
        rest.remove_prefix(token.size());
        cell.highlighted = token.ends_with('!');
        if (cell.highlighted)
            token.remove_suffix(1);
        cell.text = token;
    }
    return cells;
}

std::array<char, kCellCount> oxideLetters(const ElementRecord &record) {
    std::array<char, kCellCount> letters{};
    for (std::size_t i = 0; i < letters.size() && i < record.oxides.size(); ++i) {
        const char letter = record.oxides[i];
        letters[i] = (letter == 'B' || letter == 'A' || letter == 'S') ? letter : '\0';
    }
    return letters;
}

} // namespace vielnis::catalogue
