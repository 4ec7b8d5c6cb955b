#pragma once

#include <QColor>

namespace vielnis::table {

// The colours of the periodic table window that its legend window explains.
inline const QColor kFieldText(0xFF, 0xFF, 0x00);       // text of every details field
inline const QColor kElementFields(0x00, 0x00, 0xFF);   // data about the element
inline const QColor kSubstanceFields(0x80, 0x80, 0xFF); // data about the simple substance
inline const QColor kNonmetalFace(0xFF, 0xFF, 0x00);    // buttons of non-metals
inline const QColor kMetalFace(0xFF, 0xFF, 0xC0);       // buttons of all other elements

} // namespace vielnis::table
