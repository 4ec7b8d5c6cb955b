#pragma once

#include "shell/window_id.h"

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

class QMenuBar;
class QVBoxLayout;

namespace vielnis {

class DesignButton;
class WindowSet;
struct WindowLook;

// The client area of a handbook window: paints the bubble photograph unscaled
// from its top-left corner and reports mouse moves over the bare background.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(const WindowLook &look, QWidget *parent);

signals:
    // The pointer moved over the window background with no control under it.
    void backgroundMouseMove();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    const WindowLook &m_look;
};

// Base of the twelve windows: fixed client size, caption, icon, background,
// cursor, and the common buttons, which it owns and wires to the window set.
// Subclasses add their own controls to client() and hold their handlers.
class HandbookWindow : public QWidget {
    Q_OBJECT
public:
    HandbookWindow(WindowId id, WindowSet &windows);

    WindowId id() const { return m_id; }
    WindowSet &windows() const { return m_windows; }
    ClientArea *client() const { return m_client; }

    // Places the window, frame included, at the centre of the screen's
    // available area; a window larger than that area keeps its top-left
    // corner (title bar, menus, back button) inside it. Where the window
    // manager's frame is not known yet, the place is corrected once it is.
    void centreOnScreen();

    // Brings the window up shown, normal and active, whatever state it was
    // left in.
    void showNormalAndActive();

    // The zoom the window is laid out at, in per cent (see Zoom).
    int zoomPercent() const { return m_zoomPercent; }
    // Whether the window, frame included, fits the available area of its
    // screen at that zoom.
    bool fitsAt(int percent) const;
    // The largest step up to percent at which the window, with a frame of
    // those margins, fits an available area of that size (100 % always).
    int largestStepWithin(int percent, const QSize &available, const QMargins &frame) const;
    // Lays the window out again, in place, at the handbook's zoom, or at the
    // largest step below it that fits its screen. A shown window keeps its
    // centre (moved inside the available area where it would stick out).
    void followZoom();
    // The keys and the wheel: a step up or down, or back to 100 %, taken
    // for the whole handbook only where this window fits at it.
    void stepZoom(int direction);

    // The back button "<~", or nullptr on the start window, which has none.
    DesignButton *backButton() const { return m_back; }
    DesignButton *minimiseButton() const { return m_minimise; }
    DesignButton *exitButton() const { return m_exit; }

protected:
    QVBoxLayout *frameLayout() const { return m_layout; }
    // The legend button, a tick at (120, 480), for the windows that have a
    // legend; the caller connects its click.
    DesignButton *addLegendButton(const char *name);
    // Show target; Hide this window.
    void forwardAndKeep(WindowId target);
    // Show target; Hide this window; Unload this window.
    void forwardAndDestroy(WindowId target);

    // The window system's close box (and Alt+F4) does what the back button
    // does; on a window without one it ends the handbook.
    void closeEvent(QCloseEvent *event) override;
    // Escape that no control took does what the back button does.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // Called after the controls got their rectangles and fonts at a new
    // zoom, for what a window draws or places beyond them.
    virtual void zoomChanged() {}

private:
    // What the design gives a control, kept to lay it out at any zoom.
    struct DesignPlace {
        QPointer<QWidget> widget;
        QRect rect;
        std::optional<QFont> font;
        QMargins contents; // labels' and line edits' own margins
        int margin = 0;
    };

    void addCommonButtons();
    void addZoomInput();
    void takeDesign();
    void takeDesignOf(QWidget *widget);
    void layOutAt(int percent);
    QSize outerSizeAt(int percent) const;
    QMargins frameMargins() const;
    QRect centredFrame(const QSize &frame) const;
    void correctCentring();

    WindowId m_id;
    WindowSet &m_windows;
    QVBoxLayout *m_layout;
    ClientArea *m_client;
    DesignButton *m_back = nullptr;
    DesignButton *m_minimise = nullptr;
    DesignButton *m_exit = nullptr;
    // The frame margins the last centring assumed, while a correction for
    // the real ones may still be due.
    std::optional<QMargins> m_assumedFrame;
    bool m_wasMinimised = false;
    int m_zoomPercent = 100;
    // The window's controls as the design places them, taken before the
    // first zoom; and the size of the window without its frame.
    std::vector<DesignPlace> m_design;
    QSize m_designSize;
    QPointer<QMenuBar> m_menuBar; // the table window's, above the client area
    int m_menuBarHeight = 0;
};

} // namespace vielnis
