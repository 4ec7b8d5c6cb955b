// The window set and navigation, the common buttons, the start window and
// the table window's commands.

#include "fixture.h"

#include "resources/pictures.h"
#include "shell/design_button.h"
#include "shell/twips.h"
#include "shell/window_looks.h"
#include "table/field_box.h"
#include "table/modification_picker.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

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
        if (expected == "end") {
            QVERIFY(book->ended);
            QCOMPARE(states(book->windows), QString());
            return;
        }
        QVERIFY(!book->ended);
        QCOMPARE(states(book->windows), expected);
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
                                     "&Ziņas: Apzīmējumi | - | Veroruvi Didaruviraz | - | "
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

    void closeBoxEndsTheHandbook() {
        walk({"Form1.KEPT", "Form2.Apz"});
        book->windows.window(WindowId::Form6)->close();
        QVERIFY(book->ended);
        QCOMPARE(states(book->windows), QString());
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
