#include "catalogue/modifications.h"

namespace vielnis::catalogue {

namespace {

using enum TemperatureRows;

// Each element's modifications stand together, in picker order. Temperatures and densities
// are the CRC Handbook's. Graphite does not melt at normal pressure: it sublimes at about
// 3825 °C, so, like red and black phosphorus, it shows the sublimation row with the melting
// row hidden.
constexpr ModificationRecord kModifications[] = {
    {"Skābeklis", "O", "-182,961", "-218,81", "0,0014329", "Bezkrāsains", "2", Normal},
    {"Ozons", "O", "-111,9", "-192,7", "0,00214", "Zilgana", "3", Normal},
    {"Grafīts", "C", "3825", "", "2,265", "Tumšpelēka", "", Sublimation},
    {"Dimants", "C", "", "", "3,515", "Bezkrāsains", "", Normal},
    {"Karbīns", "C", "", "", "2", "Melna", "", Normal},
    {"Fullerēni", "C", "", "", "1,7", "Melna", "60", Normal},
    {"Baltais fosfors", "P", "277", "44,2", "1,82", "Bezkrāsains", "4", Normal},
    {"Sarkanais fosfors", "P", "423", "", "2,2", "Tumši sarkana", "n", Sublimation},
    {"Melnais fosfors", "P", "453", "", "2,69", "Melna", "n", Sublimation},
    {"Baltā alva", "Sn", "", "", "7,29", "Sudrabaini balta", "", Normal},
    {"Pelēkā alva", "Sn", "", "", "5,75", "Pelēka", "", Normal},
    {"Trauslā alva", "Sn", "2602", "231,97", "6,54", "Sudrabaini balta", "", Normal},
    {"Rombiskais sērs", "S", "444,72", "115,21", "2,07", "Dzeltena", "8", Normal},
    {"Monoklīnais sērs", "S", "444,6", "119,3", "1,96", "Dzeltena", "8", Normal},
    {"Pelēkais arsēns", "As", "616", "817", "5,72", "Pelēka", "", SublimationWithMelting},
    {"Dzeltenais arsēns", "As", "", "", "2,0", "Dzeltena", "", Normal},
};

} // namespace

std::span<const ModificationRecord> modificationTable() {
    return kModifications;
}

const ModificationRecord *findModification(std::string_view text) {
    for (const ModificationRecord &record : kModifications)
        if (record.name == text)
            return &record;
    return nullptr;
}

std::vector<std::string_view> modificationNames(std::string_view symbol) {
    std::vector<std::string_view> names;
    for (const ModificationRecord &record : kModifications)
        if (record.element == symbol)
            names.push_back(record.name);
    return names;
}

} // namespace vielnis::catalogue
