#pragma once

#include <QPainterPath>
#include <QWidget>
#include <array>

namespace vielnis::series {

// A straight line between two points of a client area, in twips.
struct TwipLine {
    int x1, y1, x2, y2;
};

// The shaft and the two strokes of the head.
using ArrowLines = std::array<TwipLine, 3>;

// The green arrow under a series row: three lines 5 pixels wide. Only its ink
// is part of the window's controls; around it the background shows through
// and takes the pointer as usual. It reacts to nothing.
class ArrowView : public QWidget {
public:
    ArrowView(QWidget *parent, const ArrowLines &lines);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QPainterPath path(qreal zoom) const;
    void takeInk();

    ArrowLines m_lines;
};

} // namespace vielnis::series
