// The periodic table window: grid, element clicks, details panel, picker.

#include "fixture.h"

#include "catalogue/modifications.h"
#include "shell/design_button.h"
#include "table/field_box.h"
#include "table/modification_picker.h"
#include "table/table_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kCyan(0x00, 0xFF, 0xFF);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kSubstance(0x80, 0x80, 0xFF);

// Every field an element click writes, by its design name.
const QStringList kTextFields = {"Text1",  "Text2",  "Text3",  "Text4",   "Text5",  "Text6",
                                 "Text7",  "Text8",  "Text9",  "Text10",  "Text11", "Text12",
                                 "Text13", "Text14", "Text15", "txtFru1", "txtFru2"};

// The long-period table as a pupil sees it; empty cells are blank.
const char *const kPeriods[7] = {
    "H                 He",
    "Li Be . . . . . . . . . . B C N O F Ne",
    "Na Mg . . . . . . . . . . Al Si P S Cl Ar",
    "K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr",
    "Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe",
    "Cs Ba La Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn",
    "Fr Ra Ac Rf Db Sg Bh Hs Mt Ds Rg Uub . Uuq . Uuh . .",
};
const char *const kLanthanides = "Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu";
const char *const kActinides = "Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr";

QRect twipRect(int left, int top) {
    return QRect(left / 15, top / 15, 33, 33);
}

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;
    HandbookWindow *window = nullptr;

    QString text(const char *name) const {
        QWidget *widget = book->find(WindowId::Form2, name);
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            return line->text();
        if (auto *memo = qobject_cast<FieldMemo *>(widget))
            return memo->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        return QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    FieldBox *field(const QString &name) const {
        return book->find<FieldBox>(WindowId::Form2, name.toUtf8().constData());
    }
    ModificationPicker *picker() const {
        return book->find<ModificationPicker>(WindowId::Form2, "Combo1");
    }
    void clickElement(const QString &symbol) {
        click(book->find(WindowId::Form2, ("cmd" + symbol).toUtf8().constData()));
    }
    void choose(const QString &entry) { chooseFromList(picker(), entry); }
    void type(const QString &typed) {
        ModificationPicker *combo = picker();
        combo->setFocus();
        combo->lineEdit()->selectAll();
        typeText(combo, typed);
    }
    QStringList snapshot() const {
        QStringList shown;
        for (const QString &name : kTextFields)
            shown << name + "=" + text(name.toUtf8().constData());
        for (int n = 1; n <= 6; ++n) {
            FieldBox *state = field(QStringLiteral("Pakape%1").arg(n));
            FieldBox *oxide = field(QStringLiteral("Apz%1").arg(n));
            shown << state->text() + "/" + state->textColour().name() + "/" + oxide->text() + "/" +
                         oxide->background().name();
        }
        shown << text("Label6") << text("Label7") << QString::number(field("Text5")->isVisible())
              << picker()->value() << picker()->entries().join('|')
              << QString::number(picker()->isLocked());
        return shown;
    }

private slots:
    void init() {
        book = std::make_unique<Handbook>();
        window = book->open(WindowId::Form2);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    void designState() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Ķīmisko elementu periodiskā tabula"));
        QCOMPARE(window->client()->size(), QSize(776, 498));
        for (const QString &name : kTextFields)
            QVERIFY2(text(name.toUtf8().constData()).isEmpty(), qPrintable(name));
        for (int n = 1; n <= 6; ++n) {
            QCOMPARE(field(QStringLiteral("Pakape%1").arg(n))->text(), QString());
            QCOMPARE(field(QStringLiteral("Apz%1").arg(n))->background(), kWhite);
        }
        QCOMPARE(text("Label6"), QStringLiteral("Viršanas t°C"));
        QCOMPARE(text("Label7"), QStringLiteral("Kušanas t°C"));
        QVERIFY(picker()->isLocked());
        QVERIFY(!picker()->dropButtonShown());
        QCOMPARE(picker()->count(), 0);
        QCOMPARE(picker()->value(), QString());
        // Text1 holds the focus when the window opens.
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), book->find(WindowId::Form2, "Text1"));
    }

    void gridRule() {
        // Every button where the long-period table puts it, 495 twips square.
        QSet<QString> seen;
        auto expect = [&](const QString &symbol, int left, int top) {
            auto *button =
                book->find<DesignButton>(WindowId::Form2, ("cmd" + symbol).toUtf8().constData());
            QVERIFY2(button, qPrintable(symbol));
            QCOMPARE(button->geometry(), twipRect(left, top));
            QVERIFY(button->text().isEmpty());
            QVERIFY(button->toolTip().isEmpty());
            seen.insert(symbol);
        };
        for (int period = 1; period <= 7; ++period) {
            const QStringList cells = period == 1
                                          ? QStringList{"H", "", "", "", "", "", "", "", "",
                                                        "",  "", "", "", "", "", "", "", "He"}
                                          : QString::fromLatin1(kPeriods[period - 1]).split(' ');
            for (int column = 1; column <= cells.size(); ++column) {
                const QString symbol = cells[column - 1];
                if (!symbol.isEmpty() && symbol != ".")
                    expect(symbol, 360 + 480 * (column - 1), 1200 + 480 * (period - 1));
            }
        }
        const QStringList lanthanides = QString::fromLatin1(kLanthanides).split(' ');
        const QStringList actinides = QString::fromLatin1(kActinides).split(' ');
        for (int i = 0; i < 14; ++i) {
            expect(lanthanides[i], 2280 + 480 * i, 4680);
            expect(actinides[i], 2280 + 480 * i, 5280);
        }
        QCOMPARE(seen.size(), 114);
        // Every element button of the window is one of these.
        int buttons = 0;
        for (auto *button : window->findChildren<DesignButton *>())
            if (button->objectName().startsWith("cmd") &&
                seen.contains(button->objectName().mid(3)))
                ++buttons;
        QCOMPARE(buttons, 114);
        // The places of elements 113, 115, 117 and 118 show the background.
        for (int column : {13, 15, 17, 18}) {
            const QPoint centre = twipRect(360 + 480 * (column - 1), 4080).center();
            QWidget *under = window->client()->childAt(centre);
            QVERIFY(!qobject_cast<DesignButton *>(under));
        }
    }

    void buttonColours_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("letters");
        const QColor nonmetal(0xFF, 0xFF, 0x00), metal(0xFF, 0xFF, 0xC0);
        const QColor s(0xFF, 0, 0), p(0x73, 0x4A, 0), d(0, 0, 0xFF), f(0, 0xB9, 0);
        QTest::newRow("H") << "H" << nonmetal << s;
        QTest::newRow("He") << "He" << nonmetal << s;
        QTest::newRow("Na") << "Na" << metal << s;
        QTest::newRow("C") << "C" << nonmetal << p;
        QTest::newRow("Al") << "Al" << metal << p;
        QTest::newRow("Uuh") << "Uuh" << metal << p;
        QTest::newRow("Fe") << "Fe" << metal << d;
        QTest::newRow("La") << "La" << metal << d;
        QTest::newRow("Ac") << "Ac" << metal << d;
        QTest::newRow("Ce") << "Ce" << metal << f;
        QTest::newRow("Lr") << "Lr" << metal << f;
        QTest::newRow("At") << "At" << nonmetal << p;
    }
    void buttonColours() {
        QFETCH(QString, symbol);
        QFETCH(QColor, face);
        QFETCH(QColor, letters);
        auto *button =
            book->find<DesignButton>(WindowId::Form2, ("cmd" + symbol).toUtf8().constData());
        QVERIFY(button);
        QCOMPARE(pixel(button, QPoint(4, 4)), face);
        QVERIFY2(showsColour(button, letters, 30), qPrintable(symbol));
    }

    void elementClick_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QStringList>("fields"); // "Name=text"; fields not listed are empty
        QTest::addColumn<QStringList>("states"); // cell texts, "!" marks red
        QTest::addColumn<QString>("oxides");     // letter per cell, "." white
        QTest::addColumn<QStringList>("pickerList");
        // The melting row: shown, or hidden because the substance sublimes.
        QTest::addColumn<bool>("meltingShown");

        QTest::newRow("H") << "H" << QStringList{"Text1=Ūdeņradis",
                                                 "Text2=Gāze",
                                                 "Text3=1,00794(7)",
                                                 "Text4=-252,87",
                                                 "Text5=-259,14",
                                                 "Text6=0,00008988",
                                                 "Text7=7000",
                                                 "Text8=Bezkrāsains",
                                                 "Text9=0,79",
                                                 "Text10=1766",
                                                 "Text11=2,20",
                                                 "Text12=0,90",
                                                 "Text13=1s(1)",
                                                 "Text14=1",
                                                 "Text15=Gr. hydōr - ūdens, gennan - radīt",
                                                 "txtFru1=H",
                                                 "txtFru2=2",
                                                 "Combo1=Ūdeņradis"}
                           << QStringList{"-1", "+1!"} << ".A" << QStringList{} << true;
        QTest::newRow("B") << "B"
                           << QStringList{"Text1=Bors",
                                          "Text14=5",
                                          "Text3=10,811(7)",
                                          "Text13=[He] 2s(2) 2p(1)",
                                          "Text15=Arābu būrak - boraks",
                                          "Text10=1808",
                                          "Text12=0,0009",
                                          "Text7=0,018",
                                          "Text11=2,04",
                                          "Text9=1,17",
                                          "Text2=Cieta viela",
                                          "Text5=2076",
                                          "Text4=3927",
                                          "Text6=2,35",
                                          "Text8=Pelēkmelna",
                                          "txtFru1=B",
                                          "Combo1=Bors (kristāliskais)"}
                           << QStringList{"-3", "+3!"} << ".S" << QStringList{} << true;
        QTest::newRow("C") << "C"
                           << QStringList{"Text1=Ogleklis",
                                          "Text14=6",
                                          "Text3=12,0107(8)",
                                          "Text13=[He] 2s(2) 2p(2)",
                                          "Text15=Lat. carbo - kokogle",
                                          "Text10=no senatnes",
                                          "Text12=0,018",
                                          "Text7=16100",
                                          "Text11=2,55",
                                          "Text9=0,91",
                                          "Text2=Cieta viela",
                                          "Text4=3825",
                                          "Text6=2,265",
                                          "Text8=Tumšpelēka",
                                          "txtFru1=C",
                                          "Combo1=Grafīts"}
                           << QStringList{"-4!", "+2", "+4!"} << "..S"
                           << QStringList{"Grafīts", "Dimants", "Karbīns", "Fullerēni"} << false;
        QTest::newRow("Ne") << "Ne"
                            << QStringList{"Text1=Neons",
                                           "Text14=10",
                                           "Text3=20,1797(6)",
                                           "Text13=[He] 2s(2) 2p(6)",
                                           "Text15=Gr. neos - jauns",
                                           "Text10=1898",
                                           "Text12=5 · 10^(-7)",
                                           "Text9=0,51",
                                           "Text2=Gāze",
                                           "Text5=-248,59",
                                           "Text4=-246,08",
                                           "Text6=0,0008999",
                                           "Text8=Bezkrāsains",
                                           "txtFru1=Ne",
                                           "Combo1=Neons"}
                            << QStringList{} << "" << QStringList{} << true;
        QTest::newRow("Fe") << "Fe"
                            << QStringList{"Text1=Dzelzs",
                                           "Text14=26",
                                           "Text3=55,845(2)",
                                           "Text13=[Ar] 3d(6) 4s(2)",
                                           "Text15=Lat. ferrum - dzelzs",
                                           "Text10=no senatnes",
                                           "Text12=6,14",
                                           "Text7=4,2",
                                           "Text11=1,83",
                                           "Text9=1,72",
                                           "Text2=Cieta viela",
                                           "Text5=1538",
                                           "Text4=2861",
                                           "Text6=7,87",
                                           "Text8=Sudrabaini balta",
                                           "txtFru1=Fe",
                                           "Combo1=Dzelzs"}
                            << QStringList{"+2", "+3!", "+6"} << "BAS" << QStringList{} << true;
        QTest::newRow("N") << "N"
                           << QStringList{"Text1=Slāpeklis",
                                          "Text14=7",
                                          "Text3=14,0067(2)",
                                          "Text13=[He] 2s(2) 2p(3)",
                                          "Text15=Gr. nitron - salpetris, gennan - radīt",
                                          "Text10=1772",
                                          "Text12=0,0019",
                                          "Text7=1820",
                                          "Text11=3,04",
                                          "Text9=0,75",
                                          "Text2=Gāze",
                                          "Text5=-210,1",
                                          "Text4=-195,79",
                                          "Text6=0,0012506",
                                          "Text8=Bezkrāsains",
                                          "txtFru1=N",
                                          "txtFru2=2",
                                          "Combo1=Slāpeklis"}
                           << QStringList{"-3!", "+1", "+2", "+3", "+4", "+5!"} << "...SSS"
                           << QStringList{} << true;
        QTest::newRow("Fm") << "Fm"
                            << QStringList{"Text1=Fermijs",
                                           "Text14=100",
                                           "Text3=257,095",
                                           "Text13=[Rn] 5f(12) 7s(2)",
                                           "Text15=Nosaukts par godu    E. Fermi",
                                           "Text10=1952",
                                           "Text11=1,3",
                                           "Text2=Cieta viela",
                                           "Text5=1527",
                                           "txtFru1=Fm",
                                           "Combo1=Fermijs"}
                            << QStringList{"+2", "+3!"} << ".B" << QStringList{} << true;
        QTest::newRow("Ds") << "Ds"
                            << QStringList{"Text1=Darmštadtijs",
                                           "Text14=110",
                                           "Text3=[271]",
                                           "Text13=[Rn] 5f(14) 6d(8) 7s(2)",
                                           "Text15=Par godu pilsētai Darmštadtei (Vācija)",
                                           "Text10=1994",
                                           "txtFru1=Ds",
                                           "Combo1=Darmštadtijs"}
                            << QStringList{} << "" << QStringList{} << true;
        QTest::newRow("Uuh") << "Uuh"
                             << QStringList{"Text1=Ununheksijs", "Text14=116", "Text10=2000",
                                            "txtFru1=Uuh", "Combo1=Ununheksijs"}
                             << QStringList{} << "" << QStringList{} << true;
    }
    void elementClick() {
        QFETCH(QString, symbol);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, states);
        QFETCH(QString, oxides);
        QFETCH(QStringList, pickerList);
        QFETCH(bool, meltingShown);

        // Something else first, so nothing of it may remain.
        clickElement("N");
        clickElement(symbol);

        QMap<QString, QString> expected;
        for (const QString &entry : fields)
            expected.insert(entry.section('=', 0, 0), entry.section('=', 1));
        for (const QString &name : kTextFields)
            QCOMPARE(text(name.toUtf8().constData()), expected.value(name));
        QCOMPARE(picker()->value(), expected.value("Combo1"));
        QCOMPARE(picker()->entries(), pickerList);
        QCOMPARE(picker()->isLocked(), pickerList.isEmpty());

        for (int n = 1; n <= 6; ++n) {
            const QString state = states.value(n - 1);
            FieldBox *cell = field(QStringLiteral("Pakape%1").arg(n));
            QCOMPARE(cell->text(), QString(state).remove('!'));
            QCOMPARE(cell->textColour(), state.endsWith('!') ? kRed : kYellow);
            FieldBox *oxide = field(QStringLiteral("Apz%1").arg(n));
            const QChar letter = n <= oxides.size() ? oxides[n - 1] : QChar('.');
            QCOMPARE(oxide->text(), letter == '.' ? QString() : QString(letter));
            const QColor background = letter == 'A'   ? kYellow
                                      : letter == 'B' ? kCyan
                                      : letter == 'S' ? kRed
                                                      : kWhite;
            QCOMPARE(oxide->background(), background);
        }
        QCOMPARE(field("Text5")->isVisible(), meltingShown);
        QCOMPARE(book->find<QLabel>(WindowId::Form2, "Label7")->isVisible(), meltingShown);
        QVERIFY(field("Text4")->isVisible());
        QCOMPARE(book->find<QLabel>(WindowId::Form2, "Label6")->text(),
                 meltingShown ? QStringLiteral("Viršanas t°C")
                              : QStringLiteral("Sublimācijas t°C"));
    }

    // The characteristic state is the one shown in red: americium's +3,
    // nobelium's +2 (the one actinide whose stable state is +2).
    void characteristicStates_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QStringList>("states"); // "!" marks red
        QTest::newRow("Am") << "Am" << QStringList{"+2", "+3!", "+4", "+5", "+6"};
        QTest::newRow("No") << "No" << QStringList{"+2!", "+3"};
    }
    void characteristicStates() {
        QFETCH(QString, symbol);
        QFETCH(QStringList, states);
        clickElement(symbol);
        for (int n = 1; n <= 6; ++n) {
            const QString state = states.value(n - 1);
            FieldBox *cell = field(QStringLiteral("Pakape%1").arg(n));
            QCOMPARE(cell->text(), QString(state).remove('!'));
            QCOMPARE(cell->textColour(), state.endsWith('!') ? kRed : kYellow);
        }
    }

    void edgeRecords() {
        // Oxygen: its first modification bears the element's name.
        clickElement("O");
        QCOMPARE(picker()->value(), QStringLiteral("Skābeklis"));
        QCOMPARE(text("Text4"), QStringLiteral("-182,961"));
        QCOMPARE(text("txtFru2"), QStringLiteral("2"));
        // Krypton: its one known state (KrF2), not red, no letter.
        clickElement("Kr");
        QCOMPARE(text("Pakape1"), QStringLiteral("+2"));
        QCOMPARE(text("Pakape2"), QString());
        QCOMPARE(field("Pakape1")->textColour(), kYellow);
        QCOMPARE(field("Apz1")->background(), kWhite);
        // Lanthanum: "+3" yellow over "B" on cyan.
        clickElement("La");
        QCOMPARE(text("Pakape1"), QStringLiteral("+3"));
        QCOMPARE(field("Pakape1")->textColour(), kYellow);
        QCOMPARE(text("Apz1"), QStringLiteral("B"));
        QCOMPARE(field("Apz1")->background(), kCyan);
        const QString lanthanum = text("Text1");
        clickElement("Ce");
        QVERIFY(text("Text1") != lanthanum);
        // Actinium's abundance keeps its own spacing.
        clickElement("Ac");
        QCOMPARE(text("Text12"), QStringLiteral("6 ·10^(-14)"));
    }

    void sameElementTwice() {
        clickElement("Fe");
        const QStringList first = snapshot();
        clickElement("Fe");
        QCOMPARE(snapshot(), first);
        // A second click on an element with modifications starts afresh too.
        clickElement("P");
        choose("Melnais fosfors");
        clickElement("P");
        clickElement("Fe");
        QCOMPARE(snapshot(), first);
    }

    void modification_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QStringList>("actions");  // "choose:…" or "type:…" or "paste:…"
        QTest::addColumn<QStringList>("expected"); // Text4, Text5, Text6, Text8, txtFru2, Label6
        QTest::addColumn<bool>("meltingShown");

        const QStringList whitePhosphorus{"277",         "44,2", "1,82",
                                          "Bezkrāsains", "4",    "Viršanas t°C"};
        const QStringList graphite{"3825", "", "2,265", "Tumšpelēka", "", "Sublimācijas t°C"};
        const QStringList diamond{"", "", "3,515", "Bezkrāsains", "", "Viršanas t°C"};
        QTest::newRow("P first") << "P" << QStringList{} << whitePhosphorus << true;
        QTest::newRow("red phosphorus")
            << "P" << QStringList{"choose:Sarkanais fosfors"}
            << QStringList{"423", "", "2,2", "Tumši sarkana", "n", "Sublimācijas t°C"} << false;
        QTest::newRow("red then white phosphorus")
            << "P" << QStringList{"choose:Sarkanais fosfors", "choose:Baltais fosfors"}
            << whitePhosphorus << true;
        QTest::newRow("As first") << "As" << QStringList{}
                                  << QStringList{"616",    "817", "5,72",
                                                 "Pelēka", "",    "Sublimācijas t°C"}
                                  << true;
        QTest::newRow("yellow arsenic")
            << "As" << QStringList{"choose:Dzeltenais arsēns"}
            << QStringList{"", "", "2,0", "Dzeltena", "", "Viršanas t°C"} << true;
        QTest::newRow("C first, graphite sublimes") << "C" << QStringList{} << graphite << false;
        QTest::newRow("diamond") << "C" << QStringList{"choose:Dimants"} << diamond << true;
        QTest::newRow("graphite again after diamond")
            << "C" << QStringList{"choose:Dimants", "choose:Grafīts"} << graphite << false;
        QTest::newRow("fullerenes")
            << "C" << QStringList{"choose:Fullerēni"}
            << QStringList{"", "", "1,7", "Melna", "60", "Viršanas t°C"} << true;
        QTest::newRow("white tin")
            << "Sn" << QStringList{}
            << QStringList{"", "", "7,29", "Sudrabaini balta", "", "Viršanas t°C"} << true;
        QTest::newRow("brittle tin")
            << "Sn" << QStringList{"choose:Trauslā alva"}
            << QStringList{"2602", "231,97", "6,54", "Sudrabaini balta", "", "Viršanas t°C"}
            << true;
        QTest::newRow("monoclinic sulphur")
            << "S" << QStringList{"choose:Monoklīnais sērs"}
            << QStringList{"444,6", "119,3", "1,96", "Dzeltena", "8", "Viršanas t°C"} << true;
        QTest::newRow("ozone chosen with oxygen")
            << "O" << QStringList{"choose:Ozons"}
            << QStringList{"-111,9", "-192,7", "0,00214", "Zilgana", "3", "Viršanas t°C"} << true;
        // Another element's modification is not this element's substance.
        QTest::newRow("ozone typed with carbon")
            << "C" << QStringList{"type:Ozons"} << graphite << false;
        QTest::newRow("red phosphorus typed with carbon")
            << "C" << QStringList{"choose:Dimants", "type:Sarkanais fosfors"} << diamond << true;
        // Typing completes to the first entry that starts with the text.
        QTest::newRow("typed prefix completes")
            << "C" << QStringList{"choose:Dimants", "type:Ful"}
            << QStringList{"", "", "1,7", "Melna", "60", "Viršanas t°C"} << true;
        QTest::newRow("other letter case")
            << "C" << QStringList{"choose:Dimants", "type:fullerēni"} << diamond << true;
        QTest::newRow("nonsense") << "C" << QStringList{"choose:Dimants", "type:xyz 123 !?"}
                                  << diamond << true;
        // (Escape is not among them: in the picker, as anywhere in the
        // window, it goes back to the start window.)
        QTest::newRow("control characters")
            << "C" << QStringList{"choose:Dimants", QString("type:\t\x01\b\x7f")} << diamond
            << true;
        QTest::newRow("right-to-left")
            << "C" << QStringList{"choose:Dimants", QString::fromUtf8("type:שלום مرحبا")} << diamond
            << true;
        QTest::newRow("long text")
            << "C" << QStringList{"choose:Dimants", "paste:" + QString(20000, 'G')} << diamond
            << true;
        QTest::newRow("pasted name of the element's own modification")
            << "C" << QStringList{"choose:Dimants", "paste:Karbīns"}
            << QStringList{"", "", "2", "Melna", "", "Viršanas t°C"} << true;
    }
    void modification() {
        QFETCH(QString, symbol);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, expected);
        QFETCH(bool, meltingShown);

        clickElement(symbol);
        const QString name = text("Text1");
        for (const QString &action : actions) {
            const QString argument = action.section(':', 1);
            if (action.startsWith("choose:")) {
                choose(argument);
            } else if (action.startsWith("type:")) {
                type(argument);
            } else {
                QApplication::clipboard()->setText(argument);
                picker()->setFocus();
                picker()->lineEdit()->selectAll();
                QTest::keyClick(picker(), Qt::Key_V, Qt::ControlModifier);
            }
        }
        const QStringList shown{text("Text4"), text("Text5"),   text("Text6"),
                                text("Text8"), text("txtFru2"), text("Label6")};
        QCOMPARE(shown, expected);
        QCOMPARE(field("Text5")->isVisible(), meltingShown);
        QCOMPARE(book->find<QLabel>(WindowId::Form2, "Label7")->isVisible(), meltingShown);
        QCOMPARE(text("Label7"), QStringLiteral("Kušanas t°C"));
        // The element fields keep the element's values.
        QCOMPARE(text("Text1"), name);
        QCOMPARE(text("txtFru1"), symbol);
        // The list stays as the click filled it.
        QVERIFY(!picker()->isLocked());
        QVERIFY(picker()->count() >= 2);
    }

    void hiddenMeltingRowShowsBackground() {
        clickElement("P");
        choose("Sarkanais fosfors");
        QWidget *melting = field("Text5");
        const QPoint centre = melting->geometry().center();
        QVERIFY(pixel(window->client(), centre) != kSubstance);
        // Any element click brings the row back with its captions.
        clickElement("Na");
        QVERIFY(melting->isVisible());
        QCOMPARE(pixel(window->client(), centre + QPoint(0, 8)), kSubstance);
        QCOMPARE(text("Label6"), QStringLiteral("Viršanas t°C"));
    }

    void pickerStates() {
        ModificationPicker *combo = picker();
        // Empty-locked: typing does nothing.
        type("abc");
        QCOMPARE(combo->value(), QString());
        // Name-locked.
        clickElement("H");
        type("Ozons");
        QCOMPARE(combo->value(), QStringLiteral("Ūdeņradis"));
        QVERIFY(!combo->dropButtonShown());
        QVERIFY(!combo->hasCustomPointer());
        // Choosable, with the drop-down button drawn at the right.
        clickElement("Sn");
        QVERIFY(!combo->isLocked());
        QVERIFY(combo->dropButtonShown());
        QVERIFY(combo->hasCustomPointer());
        QVERIFY(pixel(combo, QPoint(combo->width() - 5, 4)) != kSubstance);
        // Carbon after oxygen lists only carbon's modifications.
        clickElement("O");
        clickElement("C");
        QCOMPARE(combo->entries(), (QStringList{"Grafīts", "Dimants", "Karbīns", "Fullerēni"}));
        // Any element without modifications locks it again.
        clickElement("Sn");
        clickElement("Cu");
        QVERIFY(combo->isLocked());
        QCOMPARE(combo->count(), 0);
        QVERIFY(!combo->dropButtonShown());
        QVERIFY(!combo->hasCustomPointer());
        QCOMPARE(pixel(combo, QPoint(combo->width() - 5, combo->height() / 2)), kSubstance);
        // A locked picker opens no list.
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, 10));
        QVERIFY(!combo->view()->isVisible());
    }

    void pickerSurvivesRandomText_data() {
        QTest::addColumn<QString>("symbol");
        QTest::newRow("carbon") << "C";
        QTest::newRow("phosphorus") << "P";
        QTest::newRow("tin") << "Sn";
    }
    void pickerSurvivesRandomText() {
        // Ten thousand strings a pupil might type or paste: long ones,
        // control characters (but Escape, which goes back to the start
        // window from anywhere in this one), right-to-left text, parts of names, names in
        // other letter case, other elements' names. The panel changes only
        // when the picker ends up holding one of the shown element's own
        // modification names, and then shows exactly that modification.
        QFETCH(QString, symbol);
        const int seed = 4242;
        QRandomGenerator random(seed);
        clickElement(symbol);
        ModificationPicker *combo = picker();
        QStringList names, allNames;
        for (const auto &modification : catalogue::modificationTable()) {
            const QString name =
                QString::fromUtf8(modification.name.data(), qsizetype(modification.name.size()));
            allNames << name;
            if (modification.element == symbol.toStdString())
                names << name;
        }
        const QStringList pieces = allNames + QStringList{"a",        "ē",
                                                          "ū",        "Ā",
                                                          " ",        "  ",
                                                          "\t",       "\n",
                                                          "\r",       QString(QChar(0)),
                                                          "\x7f",     "\u202e",
                                                          "\u200f",   "שלום",
                                                          "مرحبا",    "ЖЗИ",
                                                          "🙂",     "%s",
                                                          "%n",       "(",
                                                          "[",        "{",
                                                          "\\",       "\"",
                                                          "'",        "<b>",
                                                          "&",        "Bors (kristāliskais)",
                                                          "Ogleklis", "Ozons"};
        auto shown = [this] {
            return QStringList{text("Text4"),
                               text("Text5"),
                               text("Text6"),
                               text("Text8"),
                               text("txtFru2"),
                               text("Label6"),
                               QString::number(field("Text5")->isVisible())};
        };
        QMap<QString, QStringList> expectedFor;
        for (const QString &name : names) {
            combo->setValue(name);
            expectedFor.insert(name, shown());
        }
        combo->setValue(names.first());
        // Every value the picker passes through while a string goes in runs
        // the dispatch, so the last own name it held is what must show.
        QString applied = names.first();
        const QMetaObject::Connection follow =
            connect(combo, &ModificationPicker::valueChanged, this, [&] {
                if (names.contains(combo->value()))
                    applied = combo->value();
            });
        const QString elementName = text("Text1");
        for (int i = 0; i < 10000; ++i) {
            QString typed;
            const int parts = 1 + int(random.bounded(6u));
            for (int p = 0; p < parts; ++p) {
                QString piece = pieces[int(random.bounded(quint32(pieces.size())))];
                switch (random.bounded(5u)) {
                case 0:
                    piece = piece.toLower();
                    break;
                case 1:
                    piece = piece.toUpper();
                    break;
                case 2:
                    piece = piece.left(int(random.bounded(quint32(piece.size() + 1))));
                    break;
                default:
                    break;
                }
                typed += piece;
            }
            if (random.bounded(50u) == 0)
                typed = typed.repeated(int(500 + random.bounded(2000u)));
            combo->lineEdit()->selectAll();
            if (typed.size() > 40 || random.bounded(2u) == 0) {
                QApplication::clipboard()->setText(typed);
                QTest::keyClick(combo->lineEdit(), Qt::Key_V, Qt::ControlModifier);
            } else {
                combo->setFocus();
                typeText(combo, typed);
            }
            QVERIFY2(shown() == expectedFor.value(applied),
                     qPrintable(QStringLiteral("seed %1, string %2: '%3'")
                                    .arg(seed)
                                    .arg(i)
                                    .arg(typed.left(80))));
            QCOMPARE(text("Text1"), elementName);
            QCOMPARE(text("txtFru1"), symbol);
        }
        disconnect(follow);
    }

    void readOnlyFields() {
        clickElement("Fe");
        for (const char *name : {"Text1", "Text3", "Text15", "Pakape1", "Apz1"}) {
            QWidget *widget = book->find(WindowId::Form2, name);
            widget->setFocus();
            QTest::keyClicks(widget, "xyz");
            QTest::keyClick(widget, Qt::Key_Backspace);
            QTest::keyClick(widget, Qt::Key_Delete);
        }
        QCOMPARE(text("Text1"), QStringLiteral("Dzelzs"));
        QCOMPARE(text("Text3"), QStringLiteral("55,845(2)"));
        QCOMPARE(text("Text15"), QStringLiteral("Lat. ferrum - dzelzs"));
        QCOMPARE(text("Pakape1"), QStringLiteral("+2"));
        QCOMPARE(text("Apz1"), QStringLiteral("B"));
    }

    // Leaving the table for one of its pages and coming back, by the page's
    // back button, its close box or Escape, puts the focus back where it
    // was, however often.
    void focusComesBackFromThePages_data() {
        QTest::addColumn<QStringList>("open"); // keys that open the page from the focused element
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("back"); // "button", "close box" or "Esc"
        struct Page {
            const char *tag;
            QStringList keys;
            int form;
        };
        const QList<Page> pages = {
            {"legend item", {"Alt+Z", "Return"}, 6},
            {"biography", {"Alt+Z", "Down", "Return"}, 7},
            {"authors", {"Alt+Z", "Down", "Down", "Return"}, 4},
            {"help", {"Alt+Z", "Down", "Down", "Down", "Return"}, 11},
            {"help by its access key", {"Alt+Z", "L"}, 11},
        };
        for (const Page &page : pages)
            for (const char *back : {"button", "close box", "Esc"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(page.tag, back)))
                    << page.keys << page.form << back;
    }
    void focusComesBackFromThePages() {
        QFETCH(QStringList, open);
        QFETCH(int, form);
        QFETCH(QString, back);
        QVERIFY(QTest::qWaitForWindowActive(window));
        book->find(WindowId::Form2, "cmdC")->setFocus(Qt::TabFocusReason);
        pressKeys({"Return"}); // carbon chosen
        for (int round = 0; round < 4; ++round) {
            pressKeys(open);
            HandbookWindow *page = book->windows.window(WindowId(form));
            QVERIFY2(page && QTest::qWaitForWindowActive(page), "the page did not open");
            QVERIFY(!window->isVisible());
            if (back == "button")
                QTest::keyClick(page->backButton(), Qt::Key_Space);
            else if (back == "Esc")
                pressKeys({"Esc"});
            else
                page->windowHandle()->close();
            Handbook::settle();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QVERIFY(!book->windows.exists(WindowId(form)));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdC"));
            QCOMPARE(text("Text1"), QStringLiteral("Ogleklis"));
        }
    }

    void cellPixels() {
        clickElement("H");
        // "A" on yellow in cell 2; cell 1 stays white.
        QCOMPARE(pixel(field("Apz2"), QPoint(5, 5)), kYellow);
        QCOMPARE(pixel(field("Apz1"), QPoint(5, 5)), kWhite);
        // "+1" is drawn in red, "-1" in yellow.
        QVERIFY(showsColour(field("Pakape2"), kRed, 60));
        QVERIFY(!showsColour(field("Pakape1"), kRed, 60));
        QVERIFY(showsColour(field("Pakape1"), kYellow, 60));
        clickElement("N");
        QCOMPARE(pixel(field("Apz4"), QPoint(5, 5)), kRed);
        QCOMPARE(pixel(field("Apz3"), QPoint(5, 5)), kWhite);
        clickElement("La");
        QCOMPARE(pixel(field("Apz1"), QPoint(5, 5)), kCyan);
    }
};

VIELNIS_TEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
