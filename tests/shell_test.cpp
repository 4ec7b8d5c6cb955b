// The window set and navigation, the common buttons, the start window and
// the table window's commands.

#include "fixture.h"

#include "resources/pictures.h"
#include "shell/design_button.h"
#include "shell/focus_ring.h"
#include "shell/twips.h"
#include "shell/window_looks.h"
#include "table/field_box.h"
#include "table/modification_picker.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScopeGuard>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kCyan(0x00, 0xFF, 0xFF);

// "Form2.Apz": a control, or a menu item, of a window.
struct Control {
    WindowId window;
    QString name;
};

Control parseControl(const QString &text) {
    const int dot = text.indexOf('.');
    return {WindowId(text.mid(4, dot - 4).toInt()), text.mid(dot + 1)};
}

// The state of every window in one string: for each window that exists its
// number followed by S (shown), H (hidden) or M (minimised), blank-separated.
QString states(const WindowSet &windows) {
    QStringList out;
    for (int n = 1; n <= kWindowCount; ++n) {
        const HandbookWindow *window = windows.window(WindowId(n));
        if (!window)
            continue;
        const char state = window->isMinimized() ? 'M' : window->isVisible() ? 'S' : 'H';
        out << QStringLiteral("%1%2").arg(n).arg(QLatin1Char(state));
    }
    return out.join(' ');
}

// Every window with the clicks that reach it and the states that its back
// button leaves (the start window has none: its close box ends the handbook).
struct Visit {
    const char *tag;
    QStringList path;
    int form;
    QString afterBack;
};
QList<Visit> visits() {
    return {
        {"start window", {}, 1, "end"},
        {"periodic table", {"Form1.KEPT"}, 2, "1S"},
        {"metal series", {"Form1.MAR"}, 3, "1S"},
        {"authors", {"Form1.KEPT", "Form2.cmdAutorItm"}, 4, "2S"},
        {"non-metal series", {"Form1.NER"}, 5, "1S"},
        {"table legend", {"Form1.KEPT", "Form2.Apz"}, 6, "2S"},
        {"biography", {"Form1.KEPT", "Form2.cmdDMendeļejevsItem"}, 7, "2S"},
        {"acid series", {"Form1.SAR"}, 8, "1S"},
        {"solubility table", {"Form1.VSU"}, 9, "1S"},
        {"solubility legend", {"Form1.VSU", "Form9.Command2"}, 10, "9S"},
        {"help", {"Form1.KEPT", "Form2.cmdhelp"}, 11, "2S"},
        {"about", {"Form1.PAR"}, 12, "1S"},
    };
}

// A focus ring seen across one side of a control: the run of pixels that
// changed when the control took the focus, and the unchanged pixels just
// outside and just inside that run.
struct Crossing {
    QPoint at;
    double outside; // best contrast of a ring pixel against the pixel outside
    double inside;  // and against the pixel inside
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;

    // Activates a control as a user would: a click on a button, the menu
    // item chosen from its menu.
    void activate(const QString &path) {
        const Control control = parseControl(path);
        HandbookWindow *window = book->windows.window(control.window);
        QVERIFY2(window && window->isVisible(), qPrintable(path + ": window not shown"));
        if (auto *button = window->findChild<QAbstractButton *>(control.name)) {
            click(button);
            return;
        }
        auto *action = window->findChild<QAction *>(control.name);
        QVERIFY2(action, qPrintable(path + ": no such control"));
        action->trigger();
        Handbook::settle();
    }
    void walk(const QStringList &path) {
        for (const QString &step : path) {
            activate(step);
            if (QTest::currentTestFailed())
                return;
        }
    }
    QWidget *widget(WindowId id, const char *name) { return book->find(id, name); }
    QColor labelColour(const char *name) {
        auto *label = book->find<QLabel>(WindowId::Form1, name);
        return label->palette().color(QPalette::WindowText);
    }
    // Moves the real pointer over the start window, as the window system would.
    void pointAt(QWidget *target, QPoint offset = {}) {
        QWidget *window = target->window();
        const QPoint at = target->mapTo(window, offset.isNull() ? target->rect().center() : offset);
        QTest::mouseMove(window->windowHandle(), at);
        QCoreApplication::processEvents();
    }
    void pointAtBackground(QPoint at) {
        HandbookWindow *start = book->windows.window(WindowId::Form1);
        QVERIFY(!start->client()->childAt(at));
        QTest::mouseMove(start->windowHandle(), start->client()->mapTo(start, at));
        QCoreApplication::processEvents();
    }
    QStringList litLabels() {
        QStringList lit;
        for (const char *name :
             {"lbl_KEPT", "lbl_VSU", "lbl_MAR", "lbl_NER", "lbl_SAR", "lbl_PAR"}) {
            const QColor colour = labelColour(name);
            if (colour == kCyan)
                lit << QString::fromLatin1(name);
            else if (colour != kYellow)
                lit << QStringLiteral("%1=%2").arg(QLatin1String(name), colour.name());
        }
        return lit;
    }

    // "end": the handbook has ended and no window is left; otherwise the
    // windows' states.
    void checkOutcome(const QString &expected) {
        const bool end = expected == QLatin1String("end");
        QCOMPARE(book->ended, end);
        QCOMPARE(states(book->windows), end ? QString() : expected);
    }

private slots:
    void init() {
        book = std::make_unique<Handbook>();
        book->open(WindowId::Form1);
        QVERIFY(QTest::qWaitForWindowExposed(book->windows.window(WindowId::Form1)));
    }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    void identityNamesTheDesktopEntry() {
        // Wayland compositors find the windows' name and icon through the
        // desktop entry this id names.
        setUpIdentity();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vielnis"));
        const QString entry = QGuiApplication::desktopFileName();
        QVERIFY2(QFile::exists(QStringLiteral(VIELNIS_SOURCE_DIR "/data/%1.desktop").arg(entry)),
                 qPrintable(entry));
    }

    void navigation_data() {
        QTest::addColumn<QStringList>("path"); // controls activated before
        QTest::addColumn<QString>("control");  // the control under test
        QTest::addColumn<QString>("expected"); // window states afterwards; "end" when ended

        const QStringList toTable{"Form1.KEPT"};
        struct Section {
            const char *entry;
            int form;
        };
        // The start window's six entries destroy it.
        for (Section s :
             {Section{"KEPT", 2}, {"VSU", 9}, {"MAR", 3}, {"NER", 5}, {"SAR", 8}, {"PAR", 12}})
            QTest::newRow(qPrintable(QStringLiteral("Form1.%1").arg(s.entry)))
                << QStringList{} << QStringLiteral("Form1.%1").arg(s.entry)
                << QStringLiteral("%1S").arg(s.form);

        // Every window's back, minimise and exit buttons.
        struct Route {
            int form;
            QStringList path;
            QString afterBack;
        };
        const QList<Route> routes = {
            {1, {}, {}},
            {2, toTable, "1S"},
            {3, {"Form1.MAR"}, "1S"},
            {4, {"Form1.KEPT", "Form2.cmdAutorItm"}, "1S"},
            {5, {"Form1.NER"}, "1S"},
            {6, {"Form1.KEPT", "Form2.Apz"}, "2S"},
            {7, {"Form1.KEPT", "Form2.cmdDMendeļejevsItem"}, "2S"},
            {8, {"Form1.SAR"}, "1S"},
            {9, {"Form1.VSU"}, "1S"},
            {10, {"Form1.VSU", "Form9.Command2"}, "9S"},
            {11, {"Form1.KEPT", "Form2.cmdhelp"}, "2S"},
            {12, {"Form1.PAR"}, "1S"},
        };
        for (const Route &route : routes) {
            const WindowLook &look = lookOf(WindowId(route.form));
            const QString form = QStringLiteral("Form%1").arg(route.form);
            const bool keepsTable = route.afterBack == "2S";
            const QString hiddenTable = keepsTable || route.form == 4 ? "2H " : "";
            if (look.back) {
                const QString control = form + "." + QLatin1String(look.back->name);
                // Form4's back shows the table window again, like the other pages.
                const QString after = route.form == 4 ? QStringLiteral("2S") : route.afterBack;
                QTest::newRow(qPrintable(control + " back")) << route.path << control << after;
            }
            const QString minimise = form + "." + QLatin1String(look.minimiseName);
            QString minimised = QStringLiteral("%1M").arg(route.form);
            if (!hiddenTable.isEmpty())
                minimised = route.form < 2 ? minimised + " 2H" : hiddenTable + minimised;
            QTest::newRow(qPrintable(minimise + " minimise"))
                << route.path << minimise << minimised;
            const QString exit = form + "." + QLatin1String(look.exitName);
            QTest::newRow(qPrintable(exit + " exit")) << route.path << exit << "end";
        }

        // The table window's legend button and menus.
        QTest::newRow("Form2.Apz") << toTable << "Form2.Apz"
                                   << "2H 6S";
        QTest::newRow("Form2.cmdIziet") << toTable << "Form2.cmdIziet"
                                        << "1S 2H";
        QTest::newRow("Form2.cmd_MinImt") << toTable << "Form2.cmd_MinImt"
                                          << "2M";
        QTest::newRow("Form2.cmdIzietImt") << toTable << "Form2.cmdIzietImt"
                                           << "end";
        QTest::newRow("Form2.cmdApzimejumiImt") << toTable << "Form2.cmdApzimejumiImt"
                                                << "2H 6S";
        QTest::newRow("Form2.cmdDMendeļejevsItem") << toTable << "Form2.cmdDMendeļejevsItem"
                                                   << "2H 7S";
        QTest::newRow("Form2.cmdAutorItm") << toTable << "Form2.cmdAutorItm"
                                           << "2H 4S";
        QTest::newRow("Form2.cmdhelp") << toTable << "Form2.cmdhelp"
                                       << "2H 11S";
        // The solubility table goes when its legend opens.
        QTest::newRow("Form9.Command2") << QStringList{"Form1.VSU"} << "Form9.Command2"
                                        << "10S";
        // The table window kept after "Atpakaļ!" stays hidden behind every section.
        QTest::newRow("kept table, then a section")
            << QStringList{"Form1.KEPT", "Form2.cmdIziet"} << "Form1.MAR"
            << "2H 3S";
        QTest::newRow("kept table, then x elsewhere")
            << QStringList{"Form1.KEPT", "Form2.cmdIziet", "Form1.MAR"} << "Form3.Command2"
            << "end";
        QTest::newRow("kept table shown again")
            << QStringList{"Form1.KEPT", "Form2.cmdIziet"} << "Form1.KEPT"
            << "2S";
        QTest::newRow("page of a kept table, back")
            << QStringList{"Form1.KEPT", "Form2.Apz"} << "Form6.Command1"
            << "2S";
    }
    void navigation() {
        QFETCH(QStringList, path);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        walk(path);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!book->ended);
        activate(control);
        checkOutcome(expected);
        if (QTest::currentTestFailed() || expected == "end")
            return;
        // A new window opens centred.
        const Control target = parseControl(control);
        Q_UNUSED(target);
    }

    void startUpShowsOnlyTheStartWindow() {
        QCOMPARE(states(book->windows), QStringLiteral("1S"));
        HandbookWindow *start = book->windows.window(WindowId::Form1);
        QCOMPARE(start->windowTitle(), QStringLiteral("Vielnis 1.2"));
        QCOMPARE(start->client()->size(), QSize(646, 280));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(start->geometry().center().x() - screen.center().x()) <= 2);
    }

    void tableKeepsItsStateBehindItsPages_data() {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("back");
        QTest::newRow("legend button") << "Form2.Apz"
                                       << "Form6.Command1";
        QTest::newRow("legend item") << "Form2.cmdApzimejumiImt"
                                     << "Form6.Command1";
        QTest::newRow("biography") << "Form2.cmdDMendeļejevsItem"
                                   << "Form7.Command1";
        QTest::newRow("authors") << "Form2.cmdAutorItm"
                                 << "Form4.Command1";
        QTest::newRow("help") << "Form2.cmdhelp"
                              << "Form11.Command1";
        QTest::newRow("menu back") << "Form2.cmdIziet"
                                   << "Form1.KEPT";
    }
    void tableKeepsItsStateBehindItsPages() {
        QFETCH(QString, open);
        QFETCH(QString, back);
        walk({"Form1.KEPT"});
        click(widget(WindowId::Form2, "cmdC"));
        auto *picker = book->find<ModificationPicker>(WindowId::Form2, "Combo1");
        picker->setFocus();
        picker->lineEdit()->selectAll();
        typeText(picker, "Dimants");
        QCOMPARE(book->find<FieldBox>(WindowId::Form2, "Text6")->text(), QStringLiteral("3,515"));
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        walk({open, back});
        QCOMPARE(book->windows.window(WindowId::Form2), table);
        QVERIFY(table->isVisible());
        QCOMPARE(book->find<FieldBox>(WindowId::Form2, "Text1")->text(),
                 QStringLiteral("Ogleklis"));
        QCOMPARE(book->find<FieldBox>(WindowId::Form2, "Text6")->text(), QStringLiteral("3,515"));
        QCOMPARE(picker->value(), QStringLiteral("Dimants"));
        QVERIFY(!picker->isLocked());
    }

    void tableStartsEmptyAfterItsBackButton() {
        walk({"Form1.KEPT"});
        click(widget(WindowId::Form2, "cmdFe"));
        walk({"Form2.CmdPreview", "Form1.KEPT"});
        QCOMPARE(book->find<FieldBox>(WindowId::Form2, "Text1")->text(), QString());
        QVERIFY(book->find<ModificationPicker>(WindowId::Form2, "Combo1")->isLocked());
    }

    void keyboard() {
        HandbookWindow *start = book->windows.window(WindowId::Form1);
        QVERIFY(QTest::qWaitForWindowActive(start));
        QCOMPARE(QApplication::focusWidget(), widget(WindowId::Form1, "KEPT"));
        // The focus moves in the designed order.
        QStringList order{"KEPT"};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"KEPT", "VSU", "MAR", "NER", "SAR", "Command1", "Command2",
                                     "PAR", "KEPT"}));
        // Space on the focused entry opens its section.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        Handbook::settle();
        QCOMPARE(states(book->windows), QStringLiteral("2S"));
        // Ctrl+Q ends the handbook from the table window.
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        QVERIFY(QTest::qWaitForWindowActive(table));
        QTest::keyClick(table, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(book->ended);
        QCOMPARE(states(book->windows), QString());
    }

    void menus() {
        walk({"Form1.KEPT"});
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        auto *bar = table->findChild<QMenuBar *>();
        QVERIFY(bar);
        QStringList shown;
        for (QAction *menu : bar->actions()) {
            QStringList items;
            for (QAction *item : menu->menu()->actions())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            shown << menu->text() + ": " + items.join(" | ");
        }
        QCOMPARE(shown, (QStringList{"&Komanda: Atpakaļ! | Minimizēt! | - | Izi&et!",
                                     "&Ziņas: Apzīmējumi | - | D. Mendeļejevs | - | "
                                     "Par autoriem | Pa&līgs"}));
        auto *quit = table->findChild<QAction *>("cmdIzietImt");
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        // The separators do nothing.
        for (const char *name : {"mnu1", "mnu2", "mnu3"}) {
            auto *separator = table->findChild<QAction *>(name);
            QVERIFY(separator && separator->isSeparator());
            separator->trigger();
        }
        Handbook::settle();
        QCOMPARE(states(book->windows), QStringLiteral("2S"));
    }

    void commonButtonsLook() {
        // The three common buttons of every window, with the legend buttons.
        for (int n = 1; n <= kWindowCount; ++n) {
            const WindowLook &look = lookOf(WindowId(n));
            HandbookWindow window(WindowId(n), book->windows);
            auto check = [&](const char *name, const char *caption, const char *tip, Twips at) {
                auto *button = window.findChild<DesignButton *>(QString::fromLatin1(name));
                QVERIFY2(button, name);
                QCOMPARE(button->text(), QString::fromUtf8(caption));
                QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
                QCOMPARE(button->geometry(), at.toPixels());
                QCOMPARE(button->faceColour(), QColor(0xC0, 0, 0));
                QCOMPARE(button->cursor().hotSpot(), n == 1 ? QPoint(0, 0) : QPoint(12, 1));
            };
            if (look.back)
                check(look.back->name, "<~", "Atpakaļ!", {120, 120, 510, 375});
            check(look.minimiseName, "-", "Minimizēt!", {look.exitLeftTwips - 240, 120, 255, 375});
            check(look.exitName, "x", "Iziet!", {look.exitLeftTwips, 120, 255, 375});
        }
    }

    void closeBox_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("expected"); // window states afterwards; "end" when ended
        for (const Visit &visit : visits())
            QTest::newRow(visit.tag) << visit.path << visit.form << visit.afterBack;
    }
    void closeBox() {
        QFETCH(QStringList, path);
        QFETCH(int, form);
        QFETCH(QString, expected);
        walk(path);
        HandbookWindow *window = book->windows.window(WindowId(form));
        QVERIFY(window && window->isVisible());
        // As the window system asks when its close box is clicked or
        // Alt+F4 is pressed.
        window->windowHandle()->close();
        Handbook::settle();
        checkOutcome(expected);
    }

    void closeBoxOnAPageKeepsTheTable() {
        walk({"Form1.KEPT", "Form2.cmdFe"});
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        walk({"Form2.cmdhelp"});
        book->windows.window(WindowId::Form11)->close();
        Handbook::settle();
        QCOMPARE(book->windows.window(WindowId::Form2), table);
        QCOMPARE(book->find<FieldBox>(WindowId::Form2, "Text1")->text(), QStringLiteral("Dzelzs"));
    }

    void escape_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("focus"); // the control given the focus first, if any
        QTest::addColumn<QString>("expected");
        for (const Visit &visit : visits())
            QTest::newRow(visit.tag) << visit.path << visit.form << QString()
                                     << (visit.form == 1 ? QStringLiteral("1S") : visit.afterBack);
        // Whatever control holds the focus, as long as it has no use for
        // Escape itself.
        const QStringList table{"Form1.KEPT"};
        for (const char *control : {"cmdH", "Text1", "Text15", "Combo1", "Apz", "cmd_end"})
            QTest::newRow(qPrintable(QStringLiteral("table, focus on %1").arg(control)))
                << table << 2 << control << "1S";
        QTest::newRow("metal symbol") << QStringList{"Form1.MAR"} << 3 << "Cu"
                                      << "1S";
        QTest::newRow("non-metal symbol") << QStringList{"Form1.NER"} << 5 << "F"
                                          << "1S";
        QTest::newRow("solubility cell") << QStringList{"Form1.VSU"} << 9 << "AgBr"
                                         << "1S";
        QTest::newRow("help text") << QStringList{"Form1.KEPT", "Form2.cmdhelp"} << 11 << "Text1"
                                   << "2S";
        QTest::newRow("biography text")
            << QStringList{"Form1.KEPT", "Form2.cmdDMendeļejevsItem"} << 7 << "Text1"
            << "2S";
        QTest::newRow("start window, exit button") << QStringList{} << 1 << "Command1"
                                                   << "1S";
    }
    void escape() {
        QFETCH(QStringList, path);
        QFETCH(int, form);
        QFETCH(QString, focus);
        QFETCH(QString, expected);
        walk(path);
        HandbookWindow *window = book->windows.window(WindowId(form));
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (!focus.isEmpty()) {
            QWidget *control = widget(WindowId(form), focus.toUtf8().constData());
            QVERIFY(control);
            control->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), control);
        }
        pressKeys({"Esc"});
        QVERIFY(!book->ended);
        QCOMPARE(states(book->windows), expected);
    }

    void escapeClosesAnOpenMenuFirst() {
        walk({"Form1.KEPT"});
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        QVERIFY(QTest::qWaitForWindowActive(table));
        QTest::keyClick(table, Qt::Key_Z, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        Handbook::settle();
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(states(book->windows), QStringLiteral("2S"));
    }

    void heldEscapeGoesBackOneWindow() {
        walk({"Form1.KEPT", "Form2.cmdhelp"});
        QVERIFY(QTest::qWaitForWindowActive(book->windows.window(WindowId::Form11)));
        pressKeys({"Esc"});
        QCOMPARE(states(book->windows), QStringLiteral("2S"));
        // The key still down: the window system repeats it to the next window.
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        QVERIFY(QTest::qWaitForWindowActive(table));
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(QApplication::focusWidget(), &repeat);
            Handbook::settle();
        }
        QCOMPARE(states(book->windows), QStringLiteral("2S"));
    }

    // The focus ring of every kind of focusable control, on the colours it
    // lies on: shown from the keyboard with at least 3 : 1 contrast against
    // the pixels on both sides of it, and leaving every pixel as it was
    // once the focus is gone, or while the mouse is in use.
    void focusRing_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("control");
        const QStringList table{"Form1.KEPT"};
        auto row = [](const char *tag, const QStringList &path, int form, const char *control) {
            QTest::newRow(tag) << path << form << QString::fromUtf8(control);
        };
        row("start entry on maroon", {}, 1, "KEPT");
        row("start about entry", {}, 1, "PAR");
        row("start exit", {}, 1, "Command1");
        row("start minimise", {}, 1, "Command2");
        row("table back", table, 2, "CmdPreview");
        row("table legend", table, 2, "Apz");
        row("non-metal element", table, 2, "cmdH");
        row("metal element", table, 2, "cmdFe");
        row("lanthanide", table, 2, "cmdCe");
        row("details field", table, 2, "Text1");
        row("origin field", table, 2, "Text15");
        row("oxide cell", table, 2, "Apz1");
        row("picker", table, 2, "Combo1");
        row("formula symbol", table, 2, "txtFru1");
        row("framed metal symbol", {"Form1.MAR"}, 3, "H");
        row("metal symbol", {"Form1.MAR"}, 3, "Cu");
        row("metal series exit", {"Form1.MAR"}, 3, "Command2");
        row("framed non-metal symbol", {"Form1.NER"}, 5, "O");
        row("non-metal symbol", {"Form1.NER"}, 5, "eAs");
        row("water cell", {"Form1.VSU"}, 9, "HOH");
        row("insoluble cell", {"Form1.VSU"}, 9, "AgBr");
        row("soluble cell", {"Form1.VSU"}, 9, "KNO");
        row("solubility legend button", {"Form1.VSU"}, 9, "Command2");
        row("help text", {"Form1.KEPT", "Form2.cmdhelp"}, 11, "Text1");
        row("biography back", {"Form1.KEPT", "Form2.cmdDMendeļejevsItem"}, 7, "Command1");
        row("about back", {"Form1.PAR"}, 12, "cmd_back");
        row("acid series back", {"Form1.SAR"}, 8, "CmdExit");
    }
    void focusRing() {
        QFETCH(QStringList, path);
        QFETCH(int, form);
        QFETCH(QString, control);
        walk(path);
        HandbookWindow *window = book->windows.window(WindowId(form));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget *target = widget(WindowId(form), control.toUtf8().constData());
        QVERIFY(target);
        QWidget *client = window->client();
        const QRect area(target->mapTo(client, QPoint(0, 0)), target->size());
        const QRect around = area.adjusted(-4, -4, 4, 4) & client->rect();
        auto look = [&] {
            Handbook::settle();
            return client->grab(around).toImage().convertToFormat(QImage::Format_RGB32);
        };
        auto keyboardFocus = [&] {
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_Shift); // the keyboard in use
        };
        // A steady caret, so that it looks the same in every picture.
        const int flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
        auto restore = qScopeGuard([flashTime] { QApplication::setCursorFlashTime(flashTime); });
        // Pixels that the control itself changes with the focus (a text
        // field its caret), seen in pictures of the control alone.
        const QPoint origin = area.topLeft() - around.topLeft();
        QRegion own;
        auto ownLook = [&] {
            return target->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        auto addOwnChanges = [&](const QImage &before, const QImage &after) {
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x)
                    if (before.pixel(x, y) != after.pixel(x, y))
                        own += QRect(origin + QPoint(x, y), QSize(1, 1));
        };

        target->clearFocus();
        const QImage unfocused = look();
        const QImage ownUnfocused = ownLook();
        keyboardFocus();
        QWidget *focusedWidget = QApplication::focusWidget();
        QVERIFY(focusedWidget == target || focusedWidget->parentWidget() == target);
        const QImage focused = look();
        addOwnChanges(ownUnfocused, ownLook());
        target->clearFocus();
        QCOMPARE(look(), unfocused);

        // With the mouse in use the focus adds nothing to what the control
        // itself shows.
        QPoint bare;
        for (int y = 0; y < client->height() && bare.isNull(); y += 5)
            for (int x = 0; x < client->width() && bare.isNull(); x += 5)
                if (!client->childAt(x, y))
                    bare = QPoint(x, y);
        QTest::mouseClick(client, Qt::LeftButton, {}, bare);
        target->setFocus(Qt::MouseFocusReason);
        const QImage mouseFocused = look();
        addOwnChanges(ownUnfocused, ownLook());
        target->clearFocus();
        for (int y = 0; y < unfocused.height(); ++y)
            for (int x = 0; x < unfocused.width(); ++x)
                if (!own.contains(QPoint(x, y)))
                    QVERIFY2(
                        mouseFocused.pixel(x, y) == unfocused.pixel(x, y),
                        qPrintable(QStringLiteral("mouse focus shows at %1,%2").arg(x).arg(y)));

        // What the ring changed lies on the control, and runs right round it.
        const QRect inImage(origin, area.size());
        auto changed = [&](QPoint p) {
            return focused.pixel(p) != unfocused.pixel(p) && !own.contains(p);
        };
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (changed({x, y}))
                    QVERIFY2(inImage.contains(x, y),
                             qPrintable(QStringLiteral("changed at %1,%2 outside").arg(x).arg(y)));

        // Across each side, away from the corners: the run of changed pixels
        // nearest the edge, and its best contrast against its neighbours.
        QList<Crossing> crossings;
        auto cross = [&](QPoint edge, QPoint inward) {
            QPoint p = edge;
            int depth = 0;
            while (depth < 6 && !changed(p))
                p += inward, ++depth;
            if (depth == 6)
                return;
            const QColor outside = focused.pixelColor(p - inward);
            QList<QColor> ring;
            while (inImage.contains(p) && changed(p)) {
                ring << focused.pixelColor(p);
                p += inward;
            }
            const QColor inside = focused.pixelColor(p);
            Crossing crossing{edge, 1, 1};
            for (const QColor &colour : ring) {
                crossing.outside = std::max(crossing.outside, contrastRatio(colour, outside));
                crossing.inside = std::max(crossing.inside, contrastRatio(colour, inside));
            }
            crossings << crossing;
        };
        const int left = inImage.left(), right = inImage.right();
        const int top = inImage.top(), bottom = inImage.bottom();
        int sides = 0;
        for (int x = left + 4; x <= right - 4; ++x) {
            cross({x, top}, {0, 1});
            cross({x, bottom}, {0, -1});
        }
        sides += crossings.size();
        for (int y = top + 4; y <= bottom - 4; ++y) {
            cross({left, y}, {1, 0});
            cross({right, y}, {-1, 0});
        }
        const int expected = 2 * (inImage.width() - 8) + 2 * (inImage.height() - 8);
        QVERIFY2(crossings.size() == expected,
                 qPrintable(QStringLiteral("the ring crosses %1 of %2 places; %3 on the top and "
                                           "bottom")
                                .arg(crossings.size())
                                .arg(expected)
                                .arg(sides)));
        double weakest = 21;
        for (const Crossing &c : crossings) {
            weakest = std::min({weakest, c.outside, c.inside});
            QVERIFY2(c.outside >= 3 && c.inside >= 3,
                     qPrintable(QStringLiteral("at %1,%2: %3 : 1 outside, %4 : 1 inside")
                                    .arg(c.at.x())
                                    .arg(c.at.y())
                                    .arg(c.outside, 0, 'f', 2)
                                    .arg(c.inside, 0, 'f', 2)));
        }
        qInfo("weakest contrast %.2f : 1", weakest);
    }

    void cursors() {
        using pictures::Cursor;
        QCOMPARE(pictures::cursor(Cursor::PointingHand).hotSpot(), QPoint(12, 1));
        QCOMPARE(pictures::cursor(Cursor::OpenHand).hotSpot(), QPoint(16, 14));
        QCOMPARE(pictures::cursor(Cursor::SilverHand).hotSpot(), QPoint(0, 0));
        for (Cursor which : {Cursor::PointingHand, Cursor::OpenHand, Cursor::SilverHand}) {
            const QPixmap picture = pictures::cursor(which).pixmap();
            QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(32, 32));
            const QImage image = picture.toImage();
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128;
            QVERIFY(opaque > 40);
        }
        // The silver hand sits in the top-left quarter of its cell.
        const QImage silver = pictures::cursor(Cursor::SilverHand).pixmap().toImage();
        const qreal ratio = pictures::cursor(Cursor::SilverHand).pixmap().devicePixelRatio();
        for (int y = 0; y < silver.height(); ++y)
            for (int x = 0; x < silver.width(); ++x)
                if (qAlpha(silver.pixel(x, y)) > 128)
                    QVERIFY(x <= 17 * ratio && y <= 17 * ratio);
        // Which control shows which cursor.
        HandbookWindow *start = book->windows.window(WindowId::Form1);
        QCOMPARE(widget(WindowId::Form1, "VSU")->cursor().hotSpot(), QPoint(0, 0));
        QCOMPARE(start->client()->cursor().shape(), Qt::ArrowCursor);
        walk({"Form1.KEPT"});
        HandbookWindow *table = book->windows.window(WindowId::Form2);
        QCOMPARE(table->client()->cursor().hotSpot(), QPoint(16, 14));
        QCOMPARE(widget(WindowId::Form2, "cmdH")->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(widget(WindowId::Form2, "Label10")->cursor().shape(), Qt::ArrowCursor);
    }

    void hover_data() {
        QTest::addColumn<QStringList>("moves"); // control names, or "background"
        QTest::addColumn<QStringList>("lit");
        QTest::newRow("design state") << QStringList{} << QStringList{};
        QTest::newRow("one entry") << QStringList{"MAR"} << QStringList{"lbl_MAR"};
        QTest::newRow("entry to entry") << QStringList{"MAR", "PAR"} << QStringList{"lbl_PAR"};
        QTest::newRow("entry, background") << QStringList{"NER", "background"} << QStringList{};
        QTest::newRow("MAR over the background onto KEPT")
            << QStringList{"MAR", "background", "KEPT"} << QStringList{"lbl_KEPT"};
        QTest::newRow("VSU straight onto KEPT")
            << QStringList{"VSU", "KEPT"} << QStringList{"lbl_KEPT", "lbl_VSU"};
        QTest::newRow("KEPT then another entry")
            << QStringList{"VSU", "KEPT", "SAR"} << QStringList{"lbl_SAR"};
        QTest::newRow("pointing at a label does not light it")
            << QStringList{"lbl_NER"} << QStringList{};
        QTest::newRow("a label keeps what is lit")
            << QStringList{"SAR", "lbl_SAR", "Label5", "Label4", "Image1", "Command1"}
            << QStringList{"lbl_SAR"};
    }
    void hover() {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, lit);
        for (const QString &move : moves) {
            if (move == "background")
                pointAtBackground(QPoint(20, 200));
            else
                pointAt(widget(WindowId::Form1, move.toLatin1().constData()));
        }
        QStringList expected = lit;
        expected.sort();
        QStringList shown = litLabels();
        shown.sort();
        QCOMPARE(shown, expected);
    }

    void labelsDoNothingWhenClicked() {
        for (const char *name : {"lbl_KEPT", "Label5", "Label4", "Image1"})
            click(widget(WindowId::Form1, name));
        QCOMPARE(states(book->windows), QStringLiteral("1S"));
    }

    void startWindowIsFreshAfterEverySection() {
        pointAt(widget(WindowId::Form1, "SAR"));
        walk({"Form1.SAR", "Form8.CmdExit"});
        QCOMPARE(litLabels(), QStringList{});
        QVERIFY(QTest::qWaitForWindowActive(book->windows.window(WindowId::Form1)));
        QCOMPARE(QApplication::focusWidget(), widget(WindowId::Form1, "KEPT"));
    }
};

VIELNIS_TEST_MAIN(ShellTest)
#include "shell_test.moc"
