// Keys on the periodic table window beyond its menus: typing finds an element
// as a click on its button would show it, Ctrl+C copies what the panel shows.
// What is typed is timed by the test's own clock.

#include "fixture.h"

#include "shell/design_button.h"
#include "table/field_box.h"
#include "table/modification_picker.h"
#include "table/table_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QShortcut>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

// Every control of the panel an element click writes, with what it shows.
QStringList panel(QWidget *window) {
    QStringList shown;
    const QWidget *client = window->findChild<QWidget *>(QStringLiteral("client"));
    for (const FieldBox *box : client->findChildren<FieldBox *>())
        shown << box->objectName() + "=" + box->text() + "/" + box->textColour().name() + "/" +
                     box->background().name() + "/" + QString::number(box->isVisible());
    for (const FieldMemo *memo : client->findChildren<FieldMemo *>())
        shown << memo->objectName() + "=" + memo->text();
    for (const QLabel *label : client->findChildren<QLabel *>())
        shown << label->objectName() + "=" + label->text() + "/" +
                     QString::number(label->isVisible());
    const auto *picker = client->findChild<ModificationPicker *>(QStringLiteral("Combo1"));
    shown << picker->value() << picker->entries().join('|') << QString::number(picker->isLocked())
          << QString::number(picker->dropButtonShown());
    return shown;
}

} // namespace

class TableKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;
    TableWindow *window = nullptr;
    qint64 now = 0; // the typing clock, in milliseconds

    QWidget *find(const QString &name) const {
        return book->find(WindowId::Form2, name.toUtf8().constData());
    }
    QString text(const char *name) const {
        return book->find<QLineEdit>(WindowId::Form2, name)->text();
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    // One key to the focused control, 100 ms after the one before.
    void key(Qt::Key key, const QString &text = QString()) {
        now += 100;
        QTest::sendKeyEvent(QTest::Click, focused(), key, text, Qt::NoModifier);
        Handbook::settle();
    }
    // Types a text key by key: '|' waits a second, '\b' is Backspace and
    // '\x1b' Escape.
    void type(const QString &keys) {
        for (const QChar ch : keys) {
            if (ch == QLatin1Char('|'))
                now += ElementFinder::kPauseMs - 100;
            else if (ch == QLatin1Char('\b'))
                key(Qt::Key_Backspace);
            else if (ch == QChar(0x1b))
                key(Qt::Key_Escape);
            else
                key(Qt::Key_unknown, QString(ch));
        }
    }
    void pressCopy() {
        QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
        Handbook::settle();
    }

private slots:
    void init() {
        book = std::make_unique<Handbook>();
        window = static_cast<TableWindow *>(book->open(WindowId::Form2));
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->setTypingClock([this] { return now; });
        now = 100000;
    }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    // Typed on the window as it opens (Text1 has the focus): the element the
    // keys lead to is shown exactly as a click on its button shows it, and
    // its button has the focus. "" for none: the panel stays empty.
    void typeToFind_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("symbol");
        auto row = [](const char *tag, const char *keys, const char *symbol) {
            QTest::newRow(tag) << QString::fromUtf8(keys) << QString::fromUtf8(symbol);
        };
        row("fe", "fe", "Fe");
        row("Fe", "Fe", "Fe");
        row("FE", "FE", "Fe");
        row("c", "c", "C");
        row("cl", "cl", "Cl");
        row("2", "2", "He");
        row("26", "26", "Fe");
        row("116", "116", "Uuh");
        row("113 stays at 11", "113", "Na");
        row("118 stays at 11", "118", "Na");
        row("dzel", "dzel", "Fe");
        row("udenr", "udenr", "H");
        row("ūdeņr", "ūdeņr", "H");
        row("sker stays at sk", "sker", "O");
        row("oxygen with its picker", "o", "O");
        row("tin with its picker", "sn", "Sn");
        row("boron", "bo", "B");
        row("a pause starts anew", "c|l", "Li");
        row("backspace", "cl\b", "C");
        row("escape, then anew", "c\x1bl", "Li");
        row("nothing", "x", "");
        row("no element numbered 0", "0", "");
    }
    void typeToFind() {
        QFETCH(QString, keys);
        QFETCH(QString, symbol);
        const QStringList empty = panel(window);
        QCOMPARE(focused()->objectName(), QStringLiteral("Text1"));
        type(keys);
        const QStringList typed = panel(window);
        if (symbol.isEmpty()) {
            QCOMPARE(typed, empty);
            QCOMPARE(focused()->objectName(), QStringLiteral("Text1"));
            return;
        }
        QCOMPARE(focused()->objectName(), "cmd" + symbol);
        click(find("cmd" + symbol));
        QCOMPARE(typed, panel(window));
    }

    // A typed element replaces what the panel showed, modification and all.
    void typeAfterClick() {
        click(find("cmdC"));
        auto *picker = book->find<ModificationPicker>(WindowId::Form2, "Combo1");
        picker->setValue(QStringLiteral("Dimants"));
        find("cmdC")->setFocus();
        type("p");
        QCOMPARE(text("Text1"), QStringLiteral("Fosfors"));
        QCOMPARE(picker->value(), QStringLiteral("Baltais fosfors"));
        QCOMPARE(focused(), find("cmdP"));
    }

    // Fields one types into keep their keys: the formula boxes and the picker.
    void fieldsKeepTheirKeys_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shows");
        QTest::newRow("symbol box") << "H"
                                    << "txtFru1"
                                    << "Na"
                                    << "HNa";
        QTest::newRow("subscript box") << "H"
                                       << "txtFru2"
                                       << "3"
                                       << "23";
        QTest::newRow("choosable picker") << "O"
                                          << "Combo1"
                                          << "Ozons"
                                          << "Ozons";
        QTest::newRow("locked picker") << "Fe"
                                       << "Combo1"
                                       << "na"
                                       << "Dzelzs";
        QTest::newRow("empty locked picker") << ""
                                             << "Combo1"
                                             << "na"
                                             << "";
    }
    void fieldsKeepTheirKeys() {
        QFETCH(QString, element);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, shows);
        if (!element.isEmpty())
            click(find("cmd" + element));
        QWidget *box = find(control);
        box->setFocus();
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            edit->end(false);
        if (auto *combo = qobject_cast<ModificationPicker *>(box))
            combo->lineEdit()->selectAll();
        const QString name = text("Text1");
        type(typed);
        QCOMPARE(text("Text1"), name);
        QCOMPARE(focused(), box);
        if (auto *combo = qobject_cast<ModificationPicker *>(box))
            QCOMPARE(combo->value(), shows);
        else
            QCOMPARE(qobject_cast<QLineEdit *>(box)->text(), shows);
    }

    // Arrows, Tab, Space and Enter do what they did, typed text or none.
    void controlsKeepTheirKeys() {
        type("f");
        QCOMPARE(focused(), find("cmdF"));
        key(Qt::Key_Right);
        QCOMPARE(focused(), find("cmdNe"));
        QCOMPARE(text("Text1"), QStringLiteral("Fluors"));
        key(Qt::Key_Space, QStringLiteral(" "));
        QCOMPARE(text("Text1"), QStringLiteral("Neons"));
        key(Qt::Key_Down);
        QCOMPARE(focused(), find("cmdAr"));
        key(Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(text("Text1"), QStringLiteral("Argons"));
        key(Qt::Key_Tab, QStringLiteral("\t"));
        QCOMPARE(focused(), find("cmdK"));
        // The typed text went on building meanwhile: "f" and "e".
        type("e");
        QCOMPARE(text("Text1"), QStringLiteral("Dzelzs"));
    }

    // Escape empties the typed text and goes no further; with nothing typed
    // it goes on to the window and its shortcuts.
    void escape() {
        int shortcuts = 0;
        auto *back = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        connect(back, &QShortcut::activated, this, [&shortcuts] { ++shortcuts; });
        type("f\x1b");
        QCOMPARE(shortcuts, 0);
        type("e");
        QCOMPARE(text("Text1"), QStringLiteral("Eiropijs")); // "e", not "fe"
        type("|\x1b");
        QCOMPARE(shortcuts, 1);
        type("\x1b");
        QCOMPARE(shortcuts, 2);
    }

    // Backspace likewise: it takes back what was typed, or goes on.
    void backspace() {
        int shortcuts = 0;
        auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Backspace), window);
        connect(shortcut, &QShortcut::activated, this, [&shortcuts] { ++shortcuts; });
        type("11\b");
        QCOMPARE(text("Text1"), QStringLiteral("Ūdeņradis"));
        QCOMPARE(shortcuts, 0);
        type("\b\b");
        QCOMPARE(shortcuts, 1);
    }

    // Screen readers hear of the element: the focus moves to its button,
    // which is named after it.
    void announced() {
        type("fe");
        QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(focused());
        QVERIFY(focus);
        QCOMPARE(focus->text(QAccessible::Name), QStringLiteral("Dzelzs, Fe, kārtas skaitlis 26"));
        QVERIFY(focus->state().focused);
    }

    // Ctrl+C copies the panel: one "caption: value" line per field that
    // shows something, captions as shown, the chosen modification included.
    void copy_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("modification");
        QTest::addColumn<QString>("copied");
        QTest::newRow("hydrogen") << "H"
                                  << ""
                                  << "Elementa nosaukums: Ūdeņradis\n"
                                     "Kārtas skaitlis: 1\n"
                                     "Atommasa: 1,00794(7)\n"
                                     "Elektronapvalka uzbūve: 1s(1)\n"
                                     "Elementa  nosaukuma izcelsme: Gr. hydōr - ūdens, gennan - "
                                     "radīt\n"
                                     "Elementa atklāšanas gads: 1766\n"
                                     "Izplatība Zemes garozā, %: 0,90\n"
                                     "Saturs cilvēka organismā, g/70 kg: 7000\n"
                                     "Relatīvā elektronegativitāte: 2,20\n"
                                     "Atoma rādiuss, Å ¹: 0,79\n"
                                     "Oksidēšanās pakāpes: -1, +1\n"
                                     "Oksīda un oksīda hidrāta raksturs: +1 A\n"
                                     "Vienkāršās vielas nosaukums: Ūdeņradis\n"
                                     "un formula: H₂\n"
                                     "Krāsa: Bezkrāsains\n"
                                     "Agregātstāvoklis: Gāze\n"
                                     "Kušanas t°C: -259,14\n"
                                     "Viršanas t°C: -252,87\n"
                                     "Blīvums (293K) g/cm³: 0,00008988";
        QTest::newRow("red phosphorus") << "P"
                                        << "Sarkanais fosfors"
                                        << "Elementa nosaukums: Fosfors\n"
                                           "Kārtas skaitlis: 15\n"
                                           "Atommasa: 30,973761(2)\n"
                                           "Elektronapvalka uzbūve: [Ne] 3s(2) 3p(3)\n"
                                           "Elementa  nosaukuma izcelsme: Gr. phōs - gaisma, "
                                           "phorus - nesošs \n"
                                           "Elementa atklāšanas gads: 1669\n"
                                           "Izplatība Zemes garozā, %: 0,105\n"
                                           "Saturs cilvēka organismā, g/70 kg: 780\n"
                                           "Relatīvā elektronegativitāte: 2,19\n"
                                           "Atoma rādiuss, Å ¹: 1,23\n"
                                           "Oksidēšanās pakāpes: -3, +1, +3, +4, +5\n"
                                           "Oksīda un oksīda hidrāta raksturs: +1 S, +3 S, +4 "
                                           "S, +5 S\n"
                                           "Vienkāršās vielas nosaukums: Sarkanais fosfors\n"
                                           "un formula: Pₙ\n"
                                           "Krāsa: Tumši sarkana\n"
                                           "Agregātstāvoklis: Cieta viela\n"
                                           "Sublimācijas t°C: 423\n"
                                           "Blīvums (293K) g/cm³: 2,2";
        QTest::newRow("carbon") << "C"
                                << ""
                                << "Elementa nosaukums: Ogleklis\n"
                                   "Kārtas skaitlis: 6\n"
                                   "Atommasa: 12,0107(8)\n"
                                   "Elektronapvalka uzbūve: [He] 2s(2) 2p(2)\n"
                                   "Elementa  nosaukuma izcelsme: Lat. carbo - kokogle\n"
                                   "Elementa atklāšanas gads: no senatnes\n"
                                   "Izplatība Zemes garozā, %: 0,018\n"
                                   "Saturs cilvēka organismā, g/70 kg: 16100\n"
                                   "Relatīvā elektronegativitāte: 2,55\n"
                                   "Atoma rādiuss, Å ¹: 0,91\n"
                                   "Oksidēšanās pakāpes: -4, +2, +4\n"
                                   "Oksīda un oksīda hidrāta raksturs: +4 S\n"
                                   "Vienkāršās vielas nosaukums: Grafīts\n"
                                   "un formula: C\n"
                                   "Krāsa: Tumšpelēka\n"
                                   "Agregātstāvoklis: Cieta viela\n"
                                   "Sublimācijas t°C: 3825\n"
                                   "Blīvums (293K) g/cm³: 2,265";
    }
    void copy() {
        QFETCH(QString, element);
        QFETCH(QString, modification);
        QFETCH(QString, copied);
        type(element.toLower());
        QCOMPARE(focused(), find("cmd" + element));
        if (!modification.isEmpty())
            book->find<ModificationPicker>(WindowId::Form2, "Combo1")->setValue(modification);
        QGuiApplication::clipboard()->clear();
        pressCopy();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        // The same from a read-only field holding the focus but no selection.
        QGuiApplication::clipboard()->clear();
        find("Text3")->setFocus();
        pressCopy();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // Nothing is copied while the panel is empty; a selection copies itself.
    void copyNothingOrSelection() {
        QGuiApplication::clipboard()->setText(QStringLiteral("mājasdarbs"));
        pressCopy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mājasdarbs"));
        type("fe");
        auto *mass = book->find<QLineEdit>(WindowId::Form2, "Text3");
        mass->setFocus();
        mass->setSelection(0, 2);
        pressCopy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("55"));
    }
};

VIELNIS_TEST_MAIN(TableKeysTest)
#include "table_keys_test.moc"
