#pragma once

namespace vielnis {

// The twelve windows of the handbook, by their design names Form1 ... Form12.
enum class WindowId {
    Form1 = 1, // start window
    Form2,     // periodic table
    Form3,     // metal voltage series
    Form4,     // authors page
    Form5,     // non-metal electronegativity series
    Form6,     // table legend
    Form7,     // biography page
    Form8,     // acid activity series
    Form9,     // solubility table
    Form10,    // solubility legend
    Form11,    // help
    Form12,    // about page
};

constexpr int kWindowCount = 12;

constexpr int index(WindowId id) {
    return int(id) - 1;
}

} // namespace vielnis
