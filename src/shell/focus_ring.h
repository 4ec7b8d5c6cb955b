#pragma once

#include "shell/design_palette.h"

#include <QPointer>
#include <QWidget>

namespace vielnis {

// Where the keyboard focus is, drawn on a layer of its own over the focused
// control: a black line inside the control's outermost pixel and a white
// line inside that. Whatever colours lie around it, one of the two lines
// stands out from them by at least 4.5 : 1, and the controls keep their
// designed look whenever they are not focused.
//
// One ring for each window. It shows while the keyboard is in use; a mouse
// click puts it away until the next key, so the pointer's look of the design
// stays as it is.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    // The two lines, from the outside in, and how far in the first lies (at
    // the design's size; each grows with the zoom).
    static inline const QColor &kOuterColour = palette::kBlack;
    static inline const QColor &kInnerColour = palette::kWhite;
    static constexpr int kInset = 1;

    // Lies on the window's client area, above every control.
    explicit FocusRing(QWidget *client);

    // The control the ring is drawn on, or nullptr while none shows it.
    QWidget *target() const { return isVisible() ? m_target.data() : nullptr; }

    // Whether the keyboard, rather than the mouse, was used last.
    static bool keyboardInUse();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void place();

    QPointer<QWidget> m_target;
    int m_line = 1; // the width of each line at the window's zoom
};

} // namespace vielnis
