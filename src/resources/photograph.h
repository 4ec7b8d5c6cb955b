#pragma once

#include "resources/pictures.h"

#include <QImage>

namespace vielnis::pictures {

// Shades the bubble photograph (Bubbles or BubblesLarge) into an opaque image
// of the given size in device pixels.
QImage photograph(Picture picture, QSize deviceSize);

} // namespace vielnis::pictures
