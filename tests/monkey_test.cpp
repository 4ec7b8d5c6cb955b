// A pupil let loose: from a fixed, printed seed, thousands of random events
// drawn from what a user can do, across all twelve windows. After every
// event the handbook must be in a state its windows can produce.
//
//     VIELNIS_MONKEY_SEED=<n> VIELNIS_MONKEY_EVENTS=<n> monkey_test

#include "fixture.h"

#include "shell/focus_ring.h"
#include "solubility/header_image.h"
#include "table/modification_picker.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <deque>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kCyan(0x00, 0xFF, 0xFF);

// Texts a pupil might type into the picker: names, parts of names, other
// letter case, nonsense, control characters, right-to-left text.
const char *const kTypedTexts[] = {
    "Ozons",        "Grafīts",         "Dimants",
    "Fullerēni",    "Baltais fosfors", "Sarkanais fosfors",
    "Trauslā alva", "Skābeklis",       "Graf",
    "ozons",        "DIMANTS",         "Melnais",
    "xyz",          "12345",           "\t",
    "\x1b",         "\b\b\b",          "שלום",
    "مرحبا",        "Ūdeņradis",       "Bors (kristāliskais)",
};

int envNumber(const char *name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;
    QRandomGenerator random;
    std::deque<QString> lastEvents;
    // The table window was left through its menu item "Atpakaļ!" and stays
    // hidden until it is shown again.
    bool tableKept = false;
    int restarts = 0;
    QMap<QString, int> visits; // events handled per window in front

    void remember(const QString &event) {
        lastEvents.push_back(event);
        if (lastEvents.size() > 25)
            lastEvents.pop_front();
    }

    QList<HandbookWindow *> existing() const {
        QList<HandbookWindow *> out;
        for (int n = 1; n <= kWindowCount; ++n)
            if (HandbookWindow *window = book->windows.window(WindowId(n)))
                out << window;
        return out;
    }
    QList<HandbookWindow *> shown() const {
        QList<HandbookWindow *> out;
        for (HandbookWindow *window : existing())
            if (window->isVisible())
                out << window;
        return out;
    }

    void startAfresh() {
        book.reset();
        Handbook::settle();
        book = std::make_unique<Handbook>();
        book->open(WindowId::Form1);
        tableKept = false;
        ++restarts;
    }

    template <typename T> T pick(const QList<T> &list) {
        return list[int(random.bounded(quint32(list.size())))];
    }

    // One random thing a user can do to the window in front.
    void act() {
        QList<HandbookWindow *> windows = shown();
        HandbookWindow *window = pick(windows);
        if (window->isMinimized()) {
            // The user restores it from the task bar.
            window->showNormal();
            remember(window->objectName() + ": restored");
            return;
        }
        window->activateWindow();
        ++visits[window->objectName()];
        QWidget *popup = QApplication::activePopupWidget();
        QWidget *keyTarget =
            popup ? popup : (QApplication::focusWidget() ? QApplication::focusWidget() : window);
        const quint32 kind = random.bounded(100u);
        auto *menuBar = window->findChild<QMenuBar *>();
        if (kind < 8 && menuBar && !popup) {
            // A menu opened with the mouse and an item clicked in it.
            QAction *title = pick(menuBar->actions());
            QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(title).center());
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction *item = pick(menu->actions());
            remember(QStringLiteral("%1: menu %2, item %3")
                         .arg(window->objectName(), title->objectName(), item->objectName()));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        } else if (kind < 35) {
            QList<QWidget *> controls;
            for (QWidget *child : window->findChildren<QWidget *>())
                if (child->isVisible() && !child->testAttribute(Qt::WA_TransparentForMouseEvents))
                    controls << child;
            QWidget *control = pick(controls);
            const QPoint at(int(random.bounded(quint32(qMax(1, control->width())))),
                            int(random.bounded(quint32(qMax(1, control->height())))));
            remember(QStringLiteral("%1: click %2 at %3,%4")
                         .arg(window->objectName(), control->objectName())
                         .arg(at.x())
                         .arg(at.y()));
            QTest::mouseClick(control, Qt::LeftButton, {}, at);
        } else if (kind < 75) {
            const QPoint at(int(random.bounded(quint32(window->width()))),
                            int(random.bounded(quint32(window->height()))));
            remember(QStringLiteral("%1: move to %2,%3")
                         .arg(window->objectName())
                         .arg(at.x())
                         .arg(at.y()));
            QTest::mouseMove(window->windowHandle(), at);
        } else if (kind < 95) {
            struct Key {
                Qt::Key key;
                Qt::KeyboardModifiers modifiers;
                const char *name;
            };
            static const Key keys[] = {
                {Qt::Key_Tab, Qt::NoModifier, "Tab"},
                {Qt::Key_Tab, Qt::ShiftModifier, "Shift+Tab"},
                {Qt::Key_Space, Qt::NoModifier, "Space"},
                {Qt::Key_Return, Qt::NoModifier, "Enter"},
                {Qt::Key_Escape, Qt::NoModifier, "Escape"},
                {Qt::Key_Down, Qt::NoModifier, "Down"},
                {Qt::Key_Up, Qt::NoModifier, "Up"},
                {Qt::Key_Right, Qt::NoModifier, "Right"},
                {Qt::Key_Left, Qt::NoModifier, "Left"},
                {Qt::Key_K, Qt::AltModifier, "Alt+K"},
                {Qt::Key_Z, Qt::AltModifier, "Alt+Z"},
                {Qt::Key_Q, Qt::ControlModifier, "Ctrl+Q"},
            };
            const Key &key = keys[random.bounded(quint32(std::size(keys)))];
            remember(
                QStringLiteral("%1: key %2 to %3")
                    .arg(window->objectName(), QLatin1String(key.name), keyTarget->objectName()));
            QTest::keyClick(keyTarget, key.key, key.modifiers);
        } else if (kind < 99) {
            auto *picker = window->findChild<ModificationPicker *>();
            if (!picker || popup)
                return act();
            const QString text =
                QString::fromUtf8(kTypedTexts[random.bounded(quint32(std::size(kTypedTexts)))]);
            remember(QStringLiteral("Form2: types '%1' into the picker").arg(text));
            picker->setFocus();
            picker->lineEdit()->selectAll();
            typeText(picker, text);
        } else {
            if (popup || window->objectName() == QLatin1String("Form3"))
                return act(); // no close box on the frameless window
            remember(window->objectName() + ": close box");
            window->close();
        }
    }

    // What the navigation and the windows allow, checked after every event.
    QString invariantBroken() const {
        if (book->ended)
            return existing().isEmpty() ? QString() : QStringLiteral("windows left after End");
        if (shown().isEmpty())
            return QStringLiteral("no window shown");
        QMap<QString, int> instances;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (qobject_cast<HandbookWindow *>(widget))
                ++instances[widget->objectName()];
        for (auto it = instances.cbegin(); it != instances.cend(); ++it)
            if (it.value() > 1)
                return it.key() + QStringLiteral(" exists twice");

        if (HandbookWindow *table = book->windows.window(WindowId::Form2)) {
            const bool pageOpen =
                book->windows.exists(WindowId::Form4) || book->windows.exists(WindowId::Form6) ||
                book->windows.exists(WindowId::Form7) || book->windows.exists(WindowId::Form11);
            if (!table->isVisible() && !pageOpen && !tableKept)
                return QStringLiteral("table window hidden with nothing to return to");
            if (auto *picker = table->findChild<ModificationPicker *>()) {
                const bool emptyOrNameLocked = picker->isLocked() && !picker->dropButtonShown() &&
                                               !picker->hasCustomPointer() && picker->count() == 0;
                const bool choosable = !picker->isLocked() && picker->dropButtonShown() &&
                                       picker->hasCustomPointer() && picker->count() >= 2;
                if (!emptyOrNameLocked && !choosable)
                    return QStringLiteral("picker in a state no click produces");
            }
        }
        if (HandbookWindow *start = book->windows.window(WindowId::Form1)) {
            QStringList lit;
            for (QLabel *label : start->findChildren<QLabel *>()) {
                if (!label->objectName().startsWith(QLatin1String("lbl_")))
                    continue;
                const QColor colour = label->palette().color(QPalette::WindowText);
                if (colour == kCyan)
                    lit << label->objectName();
                else if (colour != kYellow)
                    return label->objectName() + QStringLiteral(" in a colour of its own");
            }
            if (lit.size() > 2 || (lit.size() == 2 && !lit.contains(QStringLiteral("lbl_KEPT"))))
                return QStringLiteral("entry labels lit: ") + lit.join(' ');
        }
        for (WindowId series : {WindowId::Form3, WindowId::Form5}) {
            if (HandbookWindow *window = book->windows.window(series)) {
                int framed = 0;
                for (QLabel *label : window->findChildren<QLabel *>())
                    framed += label->property("framed").toBool();
                if (framed != 1)
                    return window->objectName() + QStringLiteral(": %1 framed symbols").arg(framed);
            }
        }
        // A focus ring shows only round the control that holds the focus.
        for (HandbookWindow *window : existing()) {
            auto *ring = window->findChild<FocusRing *>();
            if (!ring || !ring->isVisible())
                continue;
            QWidget *focused = QApplication::focusWidget();
            if (!focused || focused->window() != window)
                return window->objectName() + QStringLiteral(": a focus ring with no focus");
            if (focused != ring->target() && focused->parentWidget() != ring->target())
                return window->objectName() +
                       QStringLiteral(": the focus ring round %1, not %2")
                           .arg(ring->target()->objectName(), focused->objectName());
            const QRect round(ring->target()->mapTo(window->client(), QPoint(0, 0)),
                              ring->target()->size());
            if (ring->geometry() != round)
                return window->objectName() +
                       QStringLiteral(": the focus ring beside %1").arg(focused->objectName());
        }
        if (HandbookWindow *solubility = book->windows.window(WindowId::Form9)) {
            // No frame, or the column's anion and the two ends of one row.
            QStringList framed;
            for (auto *image : solubility->findChildren<solubility::HeaderImage *>())
                if (image->isFramed())
                    framed << image->objectName();
            if (!framed.isEmpty()) {
                int anions = 0, cations = 0;
                for (auto *image : solubility->findChildren<solubility::HeaderImage *>())
                    if (image->isFramed())
                        (image->y() < solubility->findChild<QWidget *>(QStringLiteral("HOH"))->y()
                             ? anions
                             : cations) += 1;
                if (framed.size() != 3 || anions != 1 || cations != 2)
                    return QStringLiteral("solubility headers framed: ") + framed.join(' ');
            }
        }
        return QString();
    }

private slots:
    void randomEvents() {
        const int seed = envNumber("VIELNIS_MONKEY_SEED", 20261210);
        const int events = envNumber("VIELNIS_MONKEY_EVENTS", 20000);
        std::printf("monkey seed %d, %d events\n", seed, events);
        random.seed(quint32(seed));
        startAfresh();
        restarts = 0;
        for (int i = 0; i < events; ++i) {
            if (book->ended) {
                remember(QStringLiteral("-- ended; a fresh start"));
                startAfresh();
            }
            const bool tableWasVisible = book->windows.exists(WindowId::Form2) &&
                                         book->windows.window(WindowId::Form2)->isVisible();
            act();
            Handbook::settle();
            // Leaving the table window by its menu keeps it hidden; showing
            // it again ends that.
            if (HandbookWindow *table = book->windows.window(WindowId::Form2)) {
                if (table->isVisible())
                    tableKept = false;
                else if (tableWasVisible && !lastEvents.empty() &&
                         book->windows.exists(WindowId::Form1))
                    tableKept = true;
            } else {
                tableKept = false;
            }
            const QString broken = invariantBroken();
            if (!broken.isEmpty()) {
                QString history;
                for (const QString &event : lastEvents)
                    history += QStringLiteral("\n  ") + event;
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3; last events:%4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(broken, history)));
            }
        }
        std::printf("monkey done: %d events, %d fresh starts\n", events, restarts);
        for (auto it = visits.cbegin(); it != visits.cend(); ++it)
            std::printf("  %-7s %d events\n", qPrintable(it.key()), it.value());
        book.reset();
        Handbook::settle();
    }
};

VIELNIS_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
