#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace vielnis {

// Hands the key events meant for one window to a handler before any control
// of the window sees them: a shortcut override (the handler accepts it to
// keep the key from the window's shortcuts) and the key press itself. Keys
// the handler does not take go on as usual.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    // The handler gets the event and the focused control it is meant for, and
    // returns whether it took the key.
    using Handler = std::function<bool(QKeyEvent *event, QWidget *target)>;

    // Lives as long as the window.
    WindowKeys(QWidget *window, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
};

} // namespace vielnis
