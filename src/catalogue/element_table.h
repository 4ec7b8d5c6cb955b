#pragma once

#include "element_record.h"

#include <span>

namespace vielnis::catalogue {

// The element records of the periodic table window, one per element button, in order of
// atomic number (1 to 112, 114 and 116).
std::span<const ElementRecord> elementTable();

} // namespace vielnis::catalogue
