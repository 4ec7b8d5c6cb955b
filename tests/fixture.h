#pragma once

// Shared by the test suites: a fresh window set whose ending is observed
// instead of quitting the test process, and small helpers to find widgets by
// their design names.

#include "app/windows.h"
#include "shell/handbook_window.h"
#include "shell/window_set.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QKeySequence>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <memory>

namespace vielnis::testing {

class Handbook {
public:
    Handbook() : windows([this] { ended = true; }) { registerWindows(windows); }

    // Runs pending deletions, as the event loop would after a handler.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    HandbookWindow *open(WindowId id) {
        windows.show(id);
        settle();
        return windows.window(id);
    }

    template <typename T = QWidget> T *find(WindowId id, const char *name) const {
        HandbookWindow *window = windows.window(id);
        return window ? window->findChild<T *>(QString::fromUtf8(name)) : nullptr;
    }

    bool ended = false;
    WindowSet windows;
};

// Clicks a widget found by name and lets the handbook settle.
inline void click(QWidget *widget) {
    QVERIFY2(widget, "widget not found");
    QTest::mouseClick(widget, Qt::LeftButton);
    Handbook::settle();
}

// Types text into the widget key by key, as a keyboard would send it: control
// characters as their keys (Tab, Backspace, Escape, Delete, Ctrl+letter),
// every other character as text.
inline void typeText(QWidget *widget, const QString &text) {
    for (const QChar ch : text) {
        const ushort code = ch.unicode();
        if (code == '\t')
            QTest::keyClick(widget, Qt::Key_Tab);
        else if (code == '\b')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else if (code == 0x1b)
            QTest::keyClick(widget, Qt::Key_Escape);
        else if (code == 0x7f)
            QTest::keyClick(widget, Qt::Key_Delete);
        else if (code < 0x20)
            QTest::keyClick(widget, Qt::Key(Qt::Key_A + code - 1), Qt::ControlModifier);
        else if (code < 0x7f)
            QTest::keyClick(widget, char(code));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Presses keys one after the other as a keyboard user does, each to the
// open menu or else the control holding the focus at that moment (or the
// active window), and
// lets the handbook settle after each. Keys are named as QKeySequence writes
// them: "Tab", "Shift+Tab", "Right", "Return", "Space", "Esc".
inline void pressKeys(const QStringList &keys) {
    for (const QString &name : keys) {
        const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
        QVERIFY2(sequence.count() == 1, qPrintable("not a key: " + name));
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        QVERIFY2(target, qPrintable("no window takes the key " + name));
        QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
        Handbook::settle();
        // A window that the key showed takes the keyboard before the next key.
        for (int i = 0; i < 50 && (!QApplication::activeWindow() ||
                                   !QApplication::activeWindow()->isVisible());
             ++i)
            QTest::qWait(10);
    }
}

// WCAG 2.1 relative luminance and the contrast ratio of two colours, from
// 1 (the same) to 21 (black on white).
inline double relativeLuminance(const QColor &colour) {
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}
inline double contrastRatio(const QColor &a, const QColor &b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour of a pixel of what the widget shows, in logical coordinates.
inline QColor pixel(QWidget *widget, QPoint at) {
    const QPixmap shot = widget->grab();
    const QImage image = shot.toImage();
    const qreal ratio = shot.devicePixelRatio();
    return image.pixelColor(int(at.x() * ratio), int(at.y() * ratio));
}

// Whether any pixel of the widget is close to the colour.
inline bool showsColour(QWidget *widget, const QColor &colour, int tolerance = 40) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance)
                return true;
        }
    return false;
}

// Chooses an entry of a combo box's list as a person does: a click on the
// drop-down button opens the list, the pointer moves onto the entry and
// clicks it. The list ignores a release that comes within a double-click
// of the press that opened it (the rest of the opening click); a person's
// next click comes later than that.
inline void chooseFromList(QComboBox *combo, const QString &entry) {
    QVERIFY2(combo, "no combo box");
    const int row = combo->findText(entry);
    QVERIFY2(row >= 0, qPrintable("no entry " + entry));
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    QVERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseMove(view->viewport(), item.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

} // namespace vielnis::testing

// Every suite starts the same way: embedded fonts and the classic palette.
#define VIELNIS_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char *argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        vielnis::setUpApplication();                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
