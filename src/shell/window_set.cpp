#include "shell/window_set.h"

#include "shell/handbook_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace vielnis {

WindowSet::WindowSet(std::function<void()> endAction) : m_endAction(std::move(endAction)) {
    if (!m_endAction)
        m_endAction = [] { QCoreApplication::quit(); };
}

WindowSet::~WindowSet() {
    for (auto &window : m_windows)
        delete window.data();
}

void WindowSet::setFactory(WindowId id, WindowFactory factory) {
    m_factories[index(id)] = std::move(factory);
}

void WindowSet::show(WindowId id) {
    if (m_ended)
        return;
    auto &slot = m_windows[index(id)];
    if (!slot) {
        if (!m_factories[index(id)])
            return;
        slot = m_factories[index(id)](*this);
        // Built at the design's size, laid out at the handbook's zoom.
        slot->followZoom();
        slot->centreOnScreen();
    }
    slot->showNormalAndActive();
}

void WindowSet::hide(WindowId id) {
    if (HandbookWindow *window = this->window(id))
        window->hide();
}

void WindowSet::unload(WindowId id) {
    HandbookWindow *window = this->window(id);
    if (!window)
        return;
    m_windows[index(id)] = nullptr;
    window->hide();
    // The caller is usually a handler of this very window, so the window is
    // deleted once that handler has returned.
    window->deleteLater();
}

void WindowSet::minimise(WindowId id) {
    if (HandbookWindow *window = this->window(id))
        window->showMinimized();
}

void WindowSet::end() {
    if (m_ended)
        return;
    m_ended = true;
    for (auto &slot : m_windows) {
        if (HandbookWindow *window = slot) {
            slot = nullptr;
            window->hide();
            window->deleteLater();
        }
    }
    m_endAction();
}

HandbookWindow *WindowSet::window(WindowId id) const {
    return m_windows[index(id)];
}

} // namespace vielnis
