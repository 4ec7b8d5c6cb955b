#pragma once

#include <QEvent>
#include <QObject>
#include <array>

class QWidget;

namespace vielnis {

// How large the handbook draws its windows, in per cent of the design's
// size: one zoom for every window, for a projector or a whiteboard. The
// design is already small, so there is no step below 100 %.
inline constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 175, 200, 250, 300};

bool isZoomStep(int percent);
// The step above or below percent, or percent itself at either end.
int nextZoomStep(int percent);
int previousZoomStep(int percent);

// The handbook's zoom. Each window lays itself out at it, or at the largest
// step below it that fits its screen. The handbook keeps no settings: every
// start begins at 100 % unless the command line says otherwise.
class Zoom : public QObject {
    Q_OBJECT
public:
    static Zoom &instance();

    int percent() const { return m_percent; }
    // Takes a step of kZoomSteps; anything else is ignored.
    void setPercent(int percent);

signals:
    void changed(int percent);

private:
    using QObject::QObject;
    int m_percent = 100;
};

// Sent to every control of a window after the window gave it its rectangle
// at a new zoom. A control that accepts it has made its own font for the
// zoom (a field that fits its text, for one); the others get the design's
// font scaled.
class ZoomEvent : public QEvent {
public:
    explicit ZoomEvent(int percent) : QEvent(type()), m_percent(percent) {}
    static QEvent::Type type();
    int percent() const { return m_percent; }
    qreal factor() const { return m_percent / 100.0; }

private:
    int m_percent;
};

// The zoom the widget's window is laid out at, as a factor (1 at 100 %).
qreal zoomOf(const QWidget *widget);

// A line or frame width of the design, in whole pixels at the zoom, so that
// lines stay crisp: one pixel at 100 % and 125 %, two at 150 to 200 %, three
// at 250 and 300 %.
int zoomedLine(int designPixels, qreal zoom);

} // namespace vielnis
