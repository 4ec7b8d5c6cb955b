#pragma once

#include "shell/window_id.h"

#include <QPointer>
#include <array>
#include <functional>

namespace vielnis {

class HandbookWindow;
class WindowSet;

using WindowFactory = std::function<HandbookWindow *(WindowSet &)>;

// Owns the one instance of each window and offers the five navigation
// operations. Windows never create or delete each other; they ask the set.
class WindowSet {
public:
    // endAction runs when the handbook ends; by default it quits the event loop.
    explicit WindowSet(std::function<void()> endAction = {});
    ~WindowSet();
    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    void setFactory(WindowId id, WindowFactory factory);

    // Creates the window in its designed state if it does not exist, then
    // makes it visible, raises it and gives it the focus.
    void show(WindowId id);
    // Makes the window invisible; it keeps its state.
    void hide(WindowId id);
    // Destroys the window; the next show creates it anew.
    void unload(WindowId id);
    // Minimises the window.
    void minimise(WindowId id);
    // Ends the handbook at once: every window, shown or hidden, goes.
    void end();

    // The window if it exists, else nullptr.
    HandbookWindow *window(WindowId id) const;
    bool exists(WindowId id) const { return window(id) != nullptr; }

private:
    std::array<WindowFactory, kWindowCount> m_factories;
    std::array<QPointer<HandbookWindow>, kWindowCount> m_windows;
    std::function<void()> m_endAction;
    bool m_ended = false;
};

} // namespace vielnis
