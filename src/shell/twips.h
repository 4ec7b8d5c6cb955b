#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vielnis {

// Layouts are drawn up in twips; fifteen twips make one logical pixel.
// Qt's own scaling takes logical pixels on to the screen.
constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A rectangle in twips: Left, Top, Width, Height inside a client area.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

inline QSize pxSize(int widthTwips, int heightTwips) {
    return QSize(px(widthTwips), px(heightTwips));
}

inline QPoint pxPoint(int leftTwips, int topTwips) {
    return QPoint(px(leftTwips), px(topTwips));
}

} // namespace vielnis
