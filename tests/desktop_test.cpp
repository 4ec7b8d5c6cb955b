// What users of a desktop program expect beyond the design: names for
// screen readers, Qt's own texts in Latvian, the keyboard.

#include "fixture.h"

#include "table/modification_picker.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

using namespace vielnis;
using namespace vielnis::testing;

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;

    QWidget *widget(WindowId id, const QString &name) {
        return book->find(id, name.toUtf8().constData());
    }
    static QString accessibleName(QWidget *widget) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name) : QString();
    }

private slots:
    void init() { book = std::make_unique<Handbook>(); }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    void accessibleNames_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("element"); // clicked first on the table window
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        auto row = [](const char *tag, int form, const char *element, const char *control,
                      const char *name) {
            QTest::newRow(tag) << form << QString::fromUtf8(element) << QString::fromUtf8(control)
                               << QString::fromUtf8(name);
        };
        row("start entry", 1, "", "KEPT", "ĶĪMISKO ELEMENTU PERIODISKĀ TABULA");
        row("start about entry", 1, "", "PAR", "PAR PROGRAMMU");
        row("start exit", 1, "", "Command1", "Iziet!");
        row("hydrogen", 2, "", "cmdH", "Ūdeņradis, H, kārtas skaitlis 1");
        row("ununhexium", 2, "", "cmdUuh", "Ununheksijs, Uuh, kārtas skaitlis 116");
        row("legend tick", 2, "", "Apz", "Apzīmējumi");
        row("back", 2, "", "CmdPreview", "Atpakaļ!");
        row("mass field", 2, "", "Text3", "Atommasa");
        row("origin field", 2, "", "Text15", "Elementa  nosaukuma izcelsme");
        row("picker", 2, "", "Combo1", "Vienkāršās vielas nosaukums");
        row("oxide cell", 2, "", "Apz2", "Oksīda un oksīda hidrāta raksturs 2");
        row("boiling row", 2, "Fe", "Text4", "Viršanas t°C");
        row("sublimation row", 2, "As", "Text4", "Sublimācijas t°C");
        row("metal symbol", 3, "", "Li", "Litijs, Li");
        row("metal hydrogen", 3, "", "H", "Ūdeņradis, H");
        row("non-metal arsenic", 5, "", "eAs", "Arsēns, As");
        row("solubility cell", 9, "", "AgBr",
            "Ag + un Br -: nešķīstoša viela (< 0,001 g / 100 g ūdens)");
        row("second iron row", 9, "", "FeSO42",
            "Fe 3+ un SO4 2-: šķīstoša viela (> 1 g / 100 g ūdens)");
        row("water cell", 9, "", "HOH", "H + un OH -: ūdens");
        row("anion image", 9, "", "SO4", "anjons SO4 2-");
        row("cation image", 9, "", "Fe3", "katjons Fe 3+");
        row("solubility legend", 9, "", "Command2", "Apzīmējumi");
    }
    void accessibleNames() {
        QFETCH(int, form);
        QFETCH(QString, element);
        QFETCH(QString, control);
        QFETCH(QString, name);
        book->open(WindowId(form));
        if (!element.isEmpty())
            click(widget(WindowId::Form2, "cmd" + element));
        QWidget *target = widget(WindowId(form), control);
        QVERIFY2(target, qPrintable(control));
        QCOMPARE(accessibleName(target), name);
    }

    // A screen reader reads the multi-line field as it reads the one-line
    // ones: the caption as its name, the shown text as its text and value.
    void originFieldGivesItsText() {
        book->open(WindowId::Form2);
        QWidget *origin = widget(WindowId::Form2, "Text15");
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(origin);
        QVERIFY(face && face->textInterface());
        auto shown = [face] {
            return face->textInterface()->text(0, face->textInterface()->characterCount());
        };
        QCOMPARE(shown(), QString());
        QCOMPARE(face->text(QAccessible::Value), QString());
        click(widget(WindowId::Form2, "cmdC"));
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Elementa  nosaukuma izcelsme"));
        QCOMPARE(shown(), QStringLiteral("Lat. carbo - kokogle"));
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("Lat. carbo - kokogle"));
        QVERIFY(face->state().readOnly);
        click(widget(WindowId::Form2, "cmdH"));
        QCOMPARE(shown(), QStringLiteral("Gr. hydōr - ūdens, gennan - radīt"));
    }

    // One click on the drop-down button, press and release, leaves the list
    // open; Escape closes it and changes nothing.
    void pickerListStaysOpenAfterAClick() {
        book->open(WindowId::Form2);
        click(widget(WindowId::Form2, "cmdC"));
        auto *picker = book->find<ModificationPicker>(WindowId::Form2, "Combo1");
        QVERIFY(QTest::qWaitForWindowExposed(picker->window()));
        QTest::mouseClick(picker, Qt::LeftButton, {},
                          QPoint(picker->width() - 8, picker->height() / 2));
        QAbstractItemView *list = picker->view();
        QTRY_VERIFY(list->isVisible());
        QTest::qWait(50);
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(picker->value(), QStringLiteral("Grafīts"));
        // Locked, for an element without modifications, it opens nothing.
        click(widget(WindowId::Form2, "cmdFe"));
        QTest::mouseClick(picker, Qt::LeftButton, {},
                          QPoint(picker->width() - 8, picker->height() / 2));
        QVERIFY(!list->isVisible());
    }

    void oxideCellsDescribeTheirLetter() {
        book->open(WindowId::Form2);
        click(widget(WindowId::Form2, "cmdH"));
        QAccessibleInterface *cell =
            QAccessible::queryAccessibleInterface(widget(WindowId::Form2, "Apz2"));
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("amfotērās īpašības"));
        click(widget(WindowId::Form2, "cmdNe"));
        QCOMPARE(cell->text(QAccessible::Description), QString());
    }

    void contextMenusInLatvian_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("element"); // clicked first on the table window
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("entries");
        const QStringList readOnly{"&Kopēt", "Atlasīt visu"};
        QTest::newRow("one-line field") << 2 << "Fe"
                                        << "Text1" << readOnly;
        QTest::newRow("name origin") << 2 << "C"
                                     << "Text15" << readOnly;
        QTest::newRow("help text") << 11 << ""
                                   << "Text1" << readOnly;
        QTest::newRow("biography") << 7 << ""
                                   << "Text1" << readOnly;
        QTest::newRow("unlocked picker")
            << 2 << "C"
            << "Combo1" << QStringList{"&Atsaukt", "&Atatsaukt", "Izgriez&t",   "&Kopēt",
                                       "&Ielīmēt", "Dzēst",      "Atlasīt visu"};
    }
    void contextMenusInLatvian() {
        QFETCH(int, form);
        QFETCH(QString, element);
        QFETCH(QString, control);
        QFETCH(QStringList, entries);
        book->open(WindowId(form));
        if (!element.isEmpty())
            click(widget(WindowId::Form2, "cmd" + element));
        QWidget *field = widget(WindowId(form), control);
        QVERIFY2(field, qPrintable(control));
        QVERIFY(QTest::qWaitForWindowExposed(field->window()));
        if (auto *picker = qobject_cast<QComboBox *>(field))
            field = picker->lineEdit(); // the box's text takes the pointer
        if (auto *box = qobject_cast<QAbstractScrollArea *>(field))
            field = box->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(field, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY2(menu, "no context menu");
        QStringList shown;
        for (QAction *action : menu->actions())
            if (!action->isSeparator())
                shown << action->text().section('\t', 0, 0);
        // Drawn, with the window system's menu colours, not the field's.
        const QImage picture = menu->grab().toImage();
        const QColor middle = picture.pixelColor(picture.width() - 5, 5);
        menu->close();
        QCOMPARE(shown, entries);
        QCOMPARE(middle, QColor(0xD4, 0xD0, 0xC8));
    }

    void arrowKeysMoveThroughTheTable_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("keys"); // R, L, U, D
        QTest::addColumn<QString>("to");
        QTest::newRow("along period 1") << "H"
                                        << "R"
                                        << "He";
        QTest::newRow("down group 18") << "He"
                                       << "DD"
                                       << "Ar";
        QTest::newRow("back along period 2") << "Ne"
                                             << "LL"
                                             << "O";
        QTest::newRow("down the s block") << "H"
                                          << "DDDDDD"
                                          << "Fr";
        QTest::newRow("lanthanum to actinium") << "La"
                                               << "D"
                                               << "Ac";
        QTest::newRow("actinium on to the lanthanide row") << "Ac"
                                                           << "D"
                                                           << "Ce";
        QTest::newRow("lanthanides to actinides") << "Ce"
                                                  << "D"
                                                  << "Th";
        QTest::newRow("edge stays") << "Lr"
                                    << "RD"
                                    << "Lr";
        QTest::newRow("gap in period 7") << "Uub"
                                         << "R"
                                         << "Uuq";
    }
    void arrowKeysMoveThroughTheTable() {
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QFETCH(QString, to);
        HandbookWindow *table = book->open(WindowId::Form2);
        QVERIFY(QTest::qWaitForWindowActive(table));
        widget(WindowId::Form2, "cmd" + from)->setFocus();
        for (QChar key : keys) {
            const Qt::Key arrow = key == 'R'   ? Qt::Key_Right
                                  : key == 'L' ? Qt::Key_Left
                                  : key == 'U' ? Qt::Key_Up
                                               : Qt::Key_Down;
            QTest::keyClick(QApplication::focusWidget(), arrow);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), "cmd" + to);
        // Enter presses the focused button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(qobject_cast<QLineEdit *>(widget(WindowId::Form2, "txtFru1"))->text(), to);
    }

    void enterAndSpacePressButtons() {
        HandbookWindow *start = book->open(WindowId::Form1);
        QVERIFY(QTest::qWaitForWindowActive(start));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // VSU
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // MAR
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Handbook::settle();
        QVERIFY(book->windows.exists(WindowId::Form3));
        QVERIFY(!book->windows.exists(WindowId::Form1));
        HandbookWindow *metals = book->windows.window(WindowId::Form3);
        QVERIFY(QTest::qWaitForWindowActive(metals));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdExit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        Handbook::settle();
        QVERIFY(book->windows.exists(WindowId::Form1));
    }

    void menusOpenWithAltKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Alt+K") << int(Qt::Key_K) << "cmdKomandaImt";
        QTest::newRow("Alt+Z") << int(Qt::Key_Z) << "cmdZiņasItm";
    }
    void menusOpenWithAltKeys() {
        QFETCH(int, key);
        QFETCH(QString, menu);
        HandbookWindow *table = book->open(WindowId::Form2);
        QVERIFY(QTest::qWaitForWindowActive(table));
        QTest::keyClick(table, Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), menu);
        QApplication::activePopupWidget()->close();
    }

    // While a screen reader listens, the press of the chord's Alt may be
    // handed on only after the chord's letter has opened the menu: that
    // press leaves the menu open. Once Alt is let go, a new press closes it.
    void aLatePressOfTheChordsAltLeavesTheMenuOpen() {
        HandbookWindow *table = book->open(WindowId::Form2);
        QVERIFY(QTest::qWaitForWindowActive(table));
        QTest::keyPress(table, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QPointer<QWidget> menu = QApplication::activePopupWidget();
        const auto send = [&menu](QEvent::Type type, Qt::KeyboardModifiers modifiers) {
            QKeyEvent event(type, Qt::Key_Alt, modifiers);
            QApplication::sendEvent(menu, &event);
        };

        send(QEvent::KeyPress, Qt::AltModifier); // the chord's own Alt, late
        QCOMPARE(QApplication::activePopupWidget(), menu.data());
        QVERIFY(menu->isVisible());

        send(QEvent::KeyRelease, Qt::NoModifier);
        send(QEvent::KeyPress, Qt::AltModifier); // pressed anew
        QTRY_VERIFY(!menu || !menu->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
    }
};

VIELNIS_TEST_MAIN(DesktopTest)
#include "desktop_test.moc"
