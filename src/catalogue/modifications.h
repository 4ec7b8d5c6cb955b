#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace vielnis::catalogue {

// How the melting and boiling rows read while a modification is shown.
enum class TemperatureRows {
    Normal,                 // "Viršanas t°C" and "Kušanas t°C", both shown
    Sublimation,            // boiling row reads "Sublimācijas t°C"; melting row hidden
    SublimationWithMelting, // boiling row reads "Sublimācijas t°C"; melting row shown
};

// One allotropic modification of an element. Empty texts are not given.
struct ModificationRecord {
    std::string_view name;      // picker entry and key
    std::string_view element;   // symbol of the element it belongs to
    std::string_view boiling;   // Text4 (the sublimation temperature where it sublimes)
    std::string_view melting;   // Text5
    std::string_view density;   // Text6
    std::string_view colour;    // Text8
    std::string_view subscript; // txtFru2
    TemperatureRows rows = TemperatureRows::Normal;
};

// All sixteen modifications, in the order in which names are compared.
std::span<const ModificationRecord> modificationTable();

// The modification whose name equals text exactly, or nullptr.
const ModificationRecord *findModification(std::string_view text);

// The element's modification names in picker order (empty for most elements).
std::vector<std::string_view> modificationNames(std::string_view symbol);

} // namespace vielnis::catalogue
