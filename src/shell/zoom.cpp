#include "shell/zoom.h"

#include "shell/handbook_window.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace vielnis {

bool isZoomStep(int percent) {
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

int nextZoomStep(int percent) {
    const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return above == kZoomSteps.end() ? kZoomSteps.back() : *above;
}

int previousZoomStep(int percent) {
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return below == kZoomSteps.begin() ? kZoomSteps.front() : *(below - 1);
}

Zoom &Zoom::instance() {
    static QPointer<Zoom> zoom;
    if (!zoom)
        zoom = new Zoom(QCoreApplication::instance());
    return *zoom;
}

void Zoom::setPercent(int percent) {
    if (!isZoomStep(percent) || percent == m_percent)
        return;
    m_percent = percent;
    emit changed(percent);
}

QEvent::Type ZoomEvent::type() {
    static const QEvent::Type registered = QEvent::Type(QEvent::registerEventType());
    return registered;
}

qreal zoomOf(const QWidget *widget) {
    if (!widget)
        return 1.0;
    const auto *window = qobject_cast<const HandbookWindow *>(widget->window());
    return window ? window->zoomPercent() / 100.0 : 1.0;
}

int zoomedLine(int designPixels, qreal zoom) {
    return std::max(1, int(std::lround(designPixels * zoom)));
}

} // namespace vielnis
