#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace vielnis {

// Layouts are drawn up in twips; fifteen twips make one logical pixel at the
// design's size (100 %). The handbook's zoom multiplies every length, and
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

// The design's lengths at a zoom (1 at 100 %), each rounded on its own as the
// design rounds twips. Every window is built at the design's size and laid
// out again through these whenever the zoom changes.
inline int zoomed(int designPixels, qreal zoom) {
    return int(std::lround(designPixels * zoom));
}

inline qreal zoomedF(qreal designPixels, qreal zoom) {
    return designPixels * zoom;
}

inline QPoint zoomed(const QPoint &design, qreal zoom) {
    return QPoint(zoomed(design.x(), zoom), zoomed(design.y(), zoom));
}

inline QSize zoomed(const QSize &design, qreal zoom) {
    return QSize(zoomed(design.width(), zoom), zoomed(design.height(), zoom));
}

inline QRect zoomed(const QRect &design, qreal zoom) {
    return QRect(zoomed(design.topLeft(), zoom), zoomed(design.size(), zoom));
}

} // namespace vielnis
