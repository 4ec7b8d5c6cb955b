#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <array>

class QPainter;
class QRectF;

namespace vielnis::pictures {

// Every picture of the handbook. All are drawn by code in pictures.cpp, so
// they stay sharp at any scaling.
enum class Picture {
    Bubbles,              // background photograph, 739 x 487
    BubblesLarge,         // the same scene, 836 x 529 (table and help windows)
    FlaskAtom,            // program icon: flask with blue liquid and magenta orbits
    TableSilhouette,      // periodic-table silhouette (entry button, table window icon)
    TableSilhouetteSmall, // the same silhouette for the table legend window icon
    Beaker,               // glass beaker with a red and a blue liquid layer
    ArrowBlueSquares,     // red arrow pointing right, three blue squares above it
    ArrowGreenSquares,    // the same arrow with three green squares
    ArrowWhiteSquares,    // the same arrow with three white squares
    QuestionMark,         // red question mark
    Portrait,             // black-and-white portrait of a bearded man
    Tick,                 // black tick on a transparent ground
};

// The picture's size in logical pixels (32 x 32 for icons).
QSize logicalSize(Picture picture);

// Draws the picture scaled into target.
void draw(Picture picture, QPainter &painter, const QRectF &target);

// Besides its plain copy (embedded) the photograph is shaded at these
// multiples of its size when a window first needs one, so that it stays
// sharp at every zoom up to 300 % on a screen of twice the density.
inline constexpr std::array<int, 3> kDensePhotographScales{2, 3, 6};

// The background photograph (Bubbles or BubblesLarge) as an image of its
// logical size times scale in device pixels, its device pixel ratio set to
// scale: the plain copy is the embedded pixels themselves, nothing decoded
// or copied; between the multiples the next larger one is reduced.
QImage backdrop(Picture picture, qreal scale);

// A window icon with 16, 32, 48 and 64 pixel images.
QIcon icon(Picture picture);

enum class Cursor {
    PointingHand, // white gloved hand with a blue cuff, index finger raised; hot spot (12, 1)
    OpenHand,     // white gloved hand with a blue cuff, all fingers open; hot spot (16, 14)
    SilverHand,   // grey metallic hand with raised index finger, top-left quarter; hot spot (0, 0)
};

QCursor cursor(Cursor which);

} // namespace vielnis::pictures
