// The three series windows: the metal voltage series (Form3), the non-metal
// electronegativity series (Form5) and the acid activity series (Form8).

#include "fixture.h"

#include "series/acid_series_window.h"
#include "series/formula_strip.h"
#include "series/metal_series_window.h"
#include "series/nonmetal_series_window.h"
#include "shell/twips.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kFrame(0x00, 0x00, 0x00);

// The row of Form3, left to right.
const QStringList kMetalRow = {"Li", "Rb", "K",  "Cs", "Ba", "Sr", "Ca", "Na", "Mg",
                               "Be", "Al", "Mn", "Cr", "Zn", "Fe", "Cd", "Co", "Ni",
                               "Sn", "Pb", "H",  "Cu", "Hg", "Ag", "Pt", "Au"};
// The row of Form5, left to right, by control name.
const QStringList kNonmetalRow = {"Si", "Ge", "B", "Te", "eAs", "P",  "H", "At", "C",
                                  "Se", "S",  "I", "Br", "N",   "Cl", "O", "F"};

// The texts a user reads on the half-reaction line of Form3:
// L1 | L_i1 | L2 | L3 | L_i2 | mes.
const char *const kHalfReactionLabels[] = {"L1", "L_i1", "L2", "L3", "L_i2", "mes"};

const char *const kOxygen = "Skābekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.44";

bool isYellowInk(const QColor &c) {
    // Yellow over the blue-to-crimson background, antialiased edges included.
    return c.green() >= 0x40 && c.green() > c.blue();
}

} // namespace

class SeriesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;

    HandbookWindow *open(WindowId id) {
        HandbookWindow *window = book->open(id);
        if (!QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }
    QLabel *label(WindowId id, const QString &name) {
        auto *found = book->find<QLabel>(id, name.toUtf8().constData());
        if (!found)
            qWarning("no label %s", qPrintable(name));
        return found;
    }
    static QColor colourOf(QLabel *label) { return label->palette().color(QPalette::WindowText); }

    // The symbols of a row that carry a frame.
    QStringList framed(WindowId id, const QStringList &row) {
        QStringList out;
        for (const QString &name : row)
            if (label(id, name)->property("framed").toBool())
                out << name;
        return out;
    }
    // The symbols of a row shown green; any colour but green or yellow is
    // reported with its value.
    QStringList green(WindowId id, const QStringList &row) {
        QStringList out;
        for (const QString &name : row) {
            const QColor colour = colourOf(label(id, name));
            if (colour == kGreen)
                out << name;
            else if (colour != kYellow)
                out << name + "=" + colour.name();
        }
        return out;
    }
    QString halfReaction() {
        QStringList texts;
        for (const char *name : kHalfReactionLabels)
            texts << label(WindowId::Form3, name)->text();
        return texts.join('|');
    }

    // Moves the real pointer over a window, as the window system would.
    void pointAt(HandbookWindow *window, QPoint inClient) {
        QTest::mouseMove(window->windowHandle(), window->client()->mapTo(window, inClient));
        QCoreApplication::processEvents();
    }
    void pointAt(QWidget *widget) {
        QVERIFY(widget);
        auto *window = qobject_cast<HandbookWindow *>(widget->window());
        pointAt(window, widget->mapTo(window->client(), widget->rect().center()));
    }
    // Moves given as control names, "background" for a bare spot of the
    // client area, "arrow" for a point on the arrow's shaft.
    void follow(WindowId id, const QStringList &moves, QPoint background, QPoint shaft) {
        HandbookWindow *window = book->windows.window(id);
        for (const QString &move : moves) {
            if (move == "background") {
                QVERIFY(!window->client()->childAt(background));
                pointAt(window, background);
            } else if (move == "arrow") {
                const QWidget *under = window->client()->childAt(shaft);
                QVERIFY(under);
                QCOMPARE(under->objectName(), QString("arrow"));
                pointAt(window, shaft);
            } else {
                pointAt(label(id, move));
            }
        }
    }

    // Client points of Form3: bare background left of the row, and the shaft.
    static QPoint metalBackground() { return pxPoint(600, 900); }
    static QPoint metalShaft() { return pxPoint(5000, 1680); }
    static QPoint nonmetalBackground() { return pxPoint(600, 900); }
    static QPoint nonmetalShaft() { return pxPoint(5000, 1680); }

private slots:
    void init() { book = std::make_unique<Handbook>(); }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    // ---- Form3 -----------------------------------------------------------

    void metalDesignedState() {
        HandbookWindow *window = open(WindowId::Form3);
        QVERIFY(window);
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{"H"});
        QCOMPARE(green(WindowId::Form3, kMetalRow), QStringList{});
        QCOMPARE(halfReaction(), QString("H||+| / H|2|0,000 V"));
        QCOMPARE(label(WindowId::Form3, "Label5")->text(),
                 QString("elektroda standartpotenciāls (E°) ir"));
        QCOMPARE(label(WindowId::Form3, "Label4")->text(),
                 QString("METĀLU ELEKTROĶĪMISKĀ SPRIEGUMU RINDA"));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    }

    void metalRowLayout() {
        open(WindowId::Form3);
        // Left to right as listed, each box overlapping the next by one pixel.
        for (qsizetype i = 0; i + 1 < kMetalRow.size(); ++i) {
            const QRect here = label(WindowId::Form3, kMetalRow[i])->geometry();
            const QRect next = label(WindowId::Form3, kMetalRow[i + 1])->geometry();
            QVERIFY2(here.right() == next.left(),
                     qPrintable(kMetalRow[i] + " / " + kMetalRow[i + 1]));
            QCOMPARE(label(WindowId::Form3, kMetalRow[i])->text(), kMetalRow[i]);
        }
        QCOMPARE(label(WindowId::Form3, "Li")->geometry(), Twips({360, 1200, 375, 375}).toPixels());
        QCOMPARE(label(WindowId::Form3, "Mg")->width(), px(495));
        QCOMPARE(label(WindowId::Form3, "Mn")->width(), px(495));
        QCOMPARE(label(WindowId::Form3, "H")->geometry(), Twips({7800, 1080, 495, 495}).toPixels());
        QVERIFY(label(WindowId::Form3, "H")->font().pixelSize() >
                label(WindowId::Form3, "Cu")->font().pixelSize());
        QVERIFY(label(WindowId::Form3, "Cu")->font().underline());
        QVERIFY(label(WindowId::Form3, "Cu")->font().bold());
        QCOMPARE(label(WindowId::Form3, "Cu")->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(label(WindowId::Form3, "mes")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(book->windows.window(WindowId::Form3)->client()->cursor().hotSpot(),
                 QPoint(16, 14));
    }

    void metalClick_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("line"); // L1 | L_i1 | L2 | L3 | L_i2 | mes
        QTest::newRow("H") << QStringList{"H"} << "H||+| / H|2|0,000 V";
        QTest::newRow("Ag") << QStringList{"Ag"} << "Ag||+| / Ag||+ 0,799 V";
        QTest::newRow("Hg") << QStringList{"Hg"} << "Hg|2|2+| / Hg||+ 0,796 V";
        QTest::newRow("Cu") << QStringList{"Cu"} << "Cu||2+| / Cu||+ 0,338 V";
        QTest::newRow("Al") << QStringList{"Al"} << "Al||3+| / Al||- 1,700 V";
        QTest::newRow("Au") << QStringList{"Au"} << "Au||3+| / Au||+ 1,498 V";
        QTest::newRow("Pt") << QStringList{"Pt"} << "Pt||2+| / Pt||+ 1,188 V";
        QTest::newRow("Na") << QStringList{"Na"} << "Na||+| / Na||- 2,714 V";
        QTest::newRow("Li") << QStringList{"Li"} << "Li||+| / Li||- 3,045 V";
        QTest::newRow("Mg") << QStringList{"Mg"} << "Mg||2+| / Mg||- 2,370 V";
        QTest::newRow("Cr") << QStringList{"Cr"} << "Cr||2+| / Cr||- 0,852 V";
        QTest::newRow("Zn") << QStringList{"Zn"} << "Zn||2+| / Zn||- 0,763 V";
        QTest::newRow("Hg then Cu: no stale ion index")
            << QStringList{"Hg", "Cu"} << "Cu||2+| / Cu||+ 0,338 V";
        QTest::newRow("H then Ag: no stale element index")
            << QStringList{"H", "Ag"} << "Ag||+| / Ag||+ 0,799 V";
        QTest::newRow("Ag then H") << QStringList{"Ag", "H"} << "H||+| / H|2|0,000 V";
        QTest::newRow("Hg twice") << QStringList{"Hg", "Hg"} << "Hg|2|2+| / Hg||+ 0,796 V";
        QTest::newRow("Au, Cu, Hg") << QStringList{"Au", "Cu", "Hg"} << "Hg|2|2+| / Hg||+ 0,796 V";
    }
    void metalClick() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, line);
        open(WindowId::Form3);
        for (const QString &name : clicks)
            click(label(WindowId::Form3, name));
        QCOMPARE(halfReaction(), line);
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{clicks.last()});
        // A click selects; it does not colour.
        QCOMPARE(green(WindowId::Form3, kMetalRow), QStringList{});
    }

    void metalClickRoutines() {
        auto *window = qobject_cast<series::MetalSeriesWindow *>(open(WindowId::Form3));
        QVERIFY(window);
        window->ClearHalfReaction();
        QCOMPARE(halfReaction(), QString("|||||"));
        QCOMPARE(label(WindowId::Form3, "Label5")->text(),
                 QString("elektroda standartpotenciāls (E°) ir"));
        window->ClearMetalBorders();
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{});
        pointAt(label(WindowId::Form3, "Sn"));
        window->ResetMetalColours();
        QCOMPARE(green(WindowId::Form3, kMetalRow), QStringList{});
    }

    // The potential follows the fixed words after one blank, as the sentence
    // "... (E°) ir 0,000 V" reads; the words show whole in their label and
    // the potential in its own.
    void metalSentenceSpacing_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("potential");
        QTest::newRow("H") << "H"
                           << "0,000 V";
        QTest::newRow("Fe") << "Fe"
                            << "- 0,441 V";
        QTest::newRow("Li") << "Li"
                            << "- 3,045 V";
        QTest::newRow("Cu") << "Cu"
                            << "+ 0,338 V";
        QTest::newRow("Au") << "Au"
                            << "+ 1,498 V";
    }
    void metalSentenceSpacing() {
        QFETCH(QString, symbol);
        QFETCH(QString, potential);
        auto *window = qobject_cast<series::MetalSeriesWindow *>(open(WindowId::Form3));
        QVERIFY(window);
        click(label(WindowId::Form3, symbol));
        QLabel *words = label(WindowId::Form3, "Label5");
        QLabel *value = label(WindowId::Form3, "mes");
        QCOMPARE(value->text(), potential);

        // From the middle of the words to the end of the potential's label,
        // with the potential and without it.
        const int left = words->geometry().center().x();
        const QRect span(left, words->y(), value->geometry().right() - left + 1, words->height());
        const QImage sentence = window->client()->grab(span).toImage();
        window->ClearHalfReaction();
        const QImage wordsOnly = window->client()->grab(span).toImage();
        const qreal ratio = sentence.devicePixelRatio();
        auto inkIn = [](const QImage &image, int x) {
            for (int y = 0; y < image.height(); ++y)
                if (isYellowInk(image.pixelColor(x, y)))
                    return true;
            return false;
        };
        int lastWordInk = -1, firstValueInk = -1, lastValueInk = -1;
        for (int x = 0; x < sentence.width(); ++x) {
            if (inkIn(wordsOnly, x))
                lastWordInk = x;
            bool differs = false;
            for (int y = 0; y < sentence.height() && !differs; ++y)
                differs = sentence.pixel(x, y) != wordsOnly.pixel(x, y);
            if (differs) {
                if (firstValueInk < 0)
                    firstValueInk = x;
                lastValueInk = x;
            }
        }
        QVERIFY(lastWordInk > 0 && firstValueInk > 0);

        const qreal blank = QFontMetricsF(value->font()).horizontalAdvance(QLatin1Char(' '));
        const qreal gap = (firstValueInk - lastWordInk - 1) / ratio;
        QVERIFY2(gap >= blank - 2 && gap < 2 * blank,
                 qPrintable(
                     QStringLiteral("a gap of %1 px where a blank is %2 px").arg(gap).arg(blank)));
        // Both stand on one baseline: the foot of the words' last letters
        // and of the potential's "V".
        auto foot = [&](const QImage &image, int last) {
            int bottom = -1;
            for (int x = last - int(10 * ratio); x <= last; ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (isYellowInk(image.pixelColor(x, y)))
                        bottom = qMax(bottom, y);
            return bottom;
        };
        QVERIFY(qAbs(foot(wordsOnly, lastWordInk) - foot(sentence, lastValueInk)) <= 1);
        // Neither text runs to the edge of its label, where it would be cut.
        QVERIFY(lastWordInk < (words->geometry().right() - left) * ratio);
        QVERIFY(lastValueInk < (value->geometry().right() - left) * ratio);
    }

    void metalFramePixels() {
        HandbookWindow *window = open(WindowId::Form3);
        QLabel *hydrogen = label(WindowId::Form3, "H");
        QLabel *silver = label(WindowId::Form3, "Ag");
        // The frame runs along the label's edges; the middle of the top edge
        // shows it, as does the left edge halfway down.
        auto edges = [&](QLabel *l) {
            const QRect r = l->geometry();
            return QList<QPoint>{{r.center().x(), r.top()},
                                 {r.left(), r.center().y()},
                                 {r.center().x(), r.bottom()},
                                 {r.right(), r.center().y()}};
        };
        for (QPoint at : edges(hydrogen))
            QCOMPARE(pixel(window->client(), at), kFrame);
        for (QPoint at : edges(silver))
            QVERIFY(pixel(window->client(), at) != kFrame);

        click(silver);
        for (QPoint at : edges(silver))
            QCOMPARE(pixel(window->client(), at), kFrame);
        for (QPoint at : edges(hydrogen))
            QVERIFY(pixel(window->client(), at) != kFrame);
    }

    void metalHover_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("lit");
        QTest::newRow("nothing") << QStringList{} << QStringList{};
        QTest::newRow("one symbol") << QStringList{"Fe"} << QStringList{"Fe"};
        QTest::newRow("symbol to symbol") << QStringList{"Fe", "Cu"} << QStringList{"Cu"};
        QTest::newRow("along the row")
            << QStringList{"Cd", "Co", "Ni", "Sn", "Pb", "H", "Cu"} << QStringList{"Cu"};
        QTest::newRow("symbol, background") << QStringList{"Fe", "background"} << QStringList{};
        QTest::newRow("Rb onto Li") << QStringList{"Rb", "Li"} << QStringList{"Li"};
        QTest::newRow("Li onto Rb") << QStringList{"Li", "Rb"} << QStringList{"Rb"};
        QTest::newRow("straight from Fe onto Li leaves Fe green")
            << QStringList{"Fe", "Li"} << QStringList{"Li", "Fe"};
        QTest::newRow("background clears what Li left")
            << QStringList{"Fe", "Li", "background"} << QStringList{};
        QTest::newRow("Li then any other symbol")
            << QStringList{"Fe", "Li", "K"} << QStringList{"K"};
        QTest::newRow("non-reacting controls keep the colour")
            << QStringList{"Au", "Label4", "L1",     "L_i1", "L2",
                           "L3", "L_i2",   "Label5", "mes",  "arrow"}
            << QStringList{"Au"};
    }
    void metalHover() {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, lit);
        open(WindowId::Form3);
        follow(WindowId::Form3, moves, metalBackground(), metalShaft());
        QStringList shown = green(WindowId::Form3, kMetalRow);
        shown.sort();
        lit.sort();
        QCOMPARE(shown, lit);
        // Pointing never selects.
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{"H"});
        QCOMPARE(halfReaction(), QString("H||+| / H|2|0,000 V"));
    }

    void metalHoverAndFrameAreIndependent() {
        open(WindowId::Form3);
        click(label(WindowId::Form3, "Ag"));
        pointAt(label(WindowId::Form3, "Ag"));
        QCOMPARE(green(WindowId::Form3, kMetalRow), QStringList{"Ag"});
        pointAt(label(WindowId::Form3, "Pt"));
        QCOMPARE(green(WindowId::Form3, kMetalRow), QStringList{"Pt"});
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{"Ag"});
    }

    void metalGreenPixels() {
        HandbookWindow *window = open(WindowId::Form3);
        QLabel *iron = label(WindowId::Form3, "Fe");
        const QRect box = iron->geometry();
        auto ink = [&](const QColor &colour) {
            const QImage shot = window->client()->grab(box).toImage();
            int count = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixelColor(x, y) == colour)
                        ++count;
            return count;
        };
        QVERIFY(ink(kYellow) > 20);
        QCOMPARE(ink(kGreen), 0);
        pointAt(iron);
        QVERIFY(ink(kGreen) > 20);
        QCOMPARE(ink(kYellow), 0);
        pointAt(window, metalBackground());
        QCOMPARE(ink(kGreen), 0);
    }

    // Only the bare background reaches the background handler; no symbol, label
    // or arrow passes its moves on.
    void backgroundHandlerSeesOnlyTheBackground_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("Form3") << WindowId::Form3
                               << (QStringList{"Label4", "L1", "L_i1", "L2", "L3", "L_i2", "Label5",
                                               "mes", "arrow"} +
                                   kMetalRow);
        QTest::newRow("Form5") << WindowId::Form5
                               << (QStringList{"Label4", "L1", "arrow"} + kNonmetalRow);
        QTest::newRow("Form8") << WindowId::Form8 << QStringList{"Label4", "Image1", "arrow"};
    }
    void backgroundHandlerSeesOnlyTheBackground() {
        QFETCH(WindowId, id);
        QFETCH(QStringList, controls);
        HandbookWindow *window = open(id);
        QSignalSpy spy(window->client(), &ClientArea::backgroundMouseMove);
        for (const QString &name : controls) {
            if (name == "arrow")
                pointAt(window, pxPoint(5000, 1680));
            else
                pointAt(book->find(id, name.toUtf8().constData()));
            QCOMPARE(spy.count(), 0);
        }
        pointAt(window, pxPoint(600, 900));
        QCOMPARE(spy.count(), 1);
        // Beside the arrow's ink is background again.
        pointAt(window, pxPoint(5000, 1800));
        QCOMPARE(spy.count(), 2);
    }

    // ---- Form5 -----------------------------------------------------------

    void nonmetalDesignedState() {
        open(WindowId::Form5);
        QCOMPARE(framed(WindowId::Form5, kNonmetalRow), QStringList{"O"});
        QCOMPARE(green(WindowId::Form5, kNonmetalRow), QStringList{});
        QCOMPARE(label(WindowId::Form5, "L1")->text(), QString::fromUtf8(kOxygen));
        QCOMPARE(label(WindowId::Form5, "Label4")->text(),
                 QString("NEMETĀLU ELEKTRONEGATIVITĀTES RINDA"));
        QCOMPARE(label(WindowId::Form5, "eAs")->text(), QString("As"));
        QVERIFY(!book->find(WindowId::Form5, "As"));
        // 480 twips apart, with background between neighbours.
        for (qsizetype i = 0; i < kNonmetalRow.size(); ++i)
            QCOMPARE(label(WindowId::Form5, kNonmetalRow[i])->geometry(),
                     Twips({int(1320 + 480 * i), 1200, 375, 375}).toPixels());
    }

    void nonmetalSentence_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("sentence");
        const char *const rows[][3] = {
            {"Si", "Si", "Silīcija relatīvā elektronegativitāte (pēc L. Polinga) ir 1.90"},
            {"Ge", "Ge", "Germānija relatīvā elektronegativitāte (pēc L. Polinga) ir 2.01"},
            {"B", "B", "Bora relatīvā elektronegativitāte (pēc L. Polinga) ir 2.04"},
            {"Te", "Te", "Telūra relatīvā elektronegativitāte (pēc L. Polinga) ir 2.10"},
            {"eAs", "As", "Arsēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.18"},
            {"P", "P", "Fosfora relatīvā elektronegativitāte (pēc L. Polinga) ir 2.19"},
            {"H", "H", "Ūdeņraža relatīvā elektronegativitāte (pēc L. Polinga) ir 2.20"},
            {"At", "At", "Astata relatīvā elektronegativitāte (pēc L. Polinga) ir 2.20"},
            {"C", "C", "Oglekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 2.55"},
            {"Se", "Se", "Selēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.55"},
            {"S", "S", "Sēra relatīvā elektronegativitāte (pēc L. Polinga) ir 2.58"},
            {"I", "I", "Joda relatīvā elektronegativitāte (pēc L. Polinga) ir 2.66"},
            {"Br", "Br", "Broma relatīvā elektronegativitāte (pēc L. Polinga) ir 2.96"},
            {"N", "N", "Slāpekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.04"},
            {"Cl", "Cl", "Hlora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.16"},
            {"O", "O", "Skābekļa relatīvā elektronegativitāte (pēc L. Polinga) ir 3.44"},
            {"F", "F", "Fluora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.98"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromUtf8(row[2]);
    }
    void nonmetalSentence() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, sentence);
        open(WindowId::Form5);
        // From another selection, so the frame has to move.
        click(label(WindowId::Form5, name == "Si" ? "F" : "Si"));
        click(label(WindowId::Form5, name));
        QCOMPARE(label(WindowId::Form5, "L1")->text(), sentence);
        QCOMPARE(label(WindowId::Form5, name)->text(), caption);
        QCOMPARE(framed(WindowId::Form5, kNonmetalRow), QStringList{name});
        // Clicking it again keeps both.
        click(label(WindowId::Form5, name));
        QCOMPARE(label(WindowId::Form5, "L1")->text(), sentence);
        QCOMPARE(framed(WindowId::Form5, kNonmetalRow), QStringList{name});
    }

    void nonmetalHover_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("lit");
        QTest::newRow("nothing") << QStringList{} << QStringList{};
        QTest::newRow("F") << QStringList{"F"} << QStringList{"F"};
        QTest::newRow("arsenic") << QStringList{"eAs"} << QStringList{"eAs"};
        QTest::newRow("symbol to symbol") << QStringList{"F", "Si"} << QStringList{"Si"};
        QTest::newRow("symbol, background") << QStringList{"N", "background"} << QStringList{};
        QTest::newRow("non-reacting controls keep the colour")
            << QStringList{"Cl", "L1", "Label4", "arrow"} << QStringList{"Cl"};
    }
    void nonmetalHover() {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, lit);
        open(WindowId::Form5);
        follow(WindowId::Form5, moves, nonmetalBackground(), nonmetalShaft());
        QCOMPARE(green(WindowId::Form5, kNonmetalRow), lit);
        // Pointing never selects.
        QCOMPARE(framed(WindowId::Form5, kNonmetalRow), QStringList{"O"});
        QCOMPARE(label(WindowId::Form5, "L1")->text(), QString::fromUtf8(kOxygen));
    }

    void nonmetalGapBetweenSymbolsIsBackground() {
        HandbookWindow *window = open(WindowId::Form5);
        pointAt(label(WindowId::Form5, "Si"));
        QCOMPARE(green(WindowId::Form5, kNonmetalRow), QStringList{"Si"});
        // The 105 twips between Si and Ge.
        const QPoint gap = pxPoint(1320 + 375 + 50, 1200 + 180);
        QVERIFY(!window->client()->childAt(gap));
        pointAt(window, gap);
        QCOMPARE(green(WindowId::Form5, kNonmetalRow), QStringList{});
    }

    void nonmetalPixels() {
        HandbookWindow *window = open(WindowId::Form5);
        QLabel *oxygen = label(WindowId::Form5, "O");
        const QRect box = oxygen->geometry();
        QCOMPARE(pixel(window->client(), {box.center().x(), box.top()}), kFrame);
        QCOMPARE(pixel(window->client(), {box.left(), box.center().y()}), kFrame);
        click(label(WindowId::Form5, "F"));
        QVERIFY(pixel(window->client(), {box.center().x(), box.top()}) != kFrame);
        pointAt(oxygen);
        QVERIFY(showsColour(oxygen, kGreen, 0));
        QVERIFY(!showsColour(label(WindowId::Form5, "F"), kGreen, 0));
    }

    void nonmetalRoutines() {
        auto *window = qobject_cast<series::NonmetalSeriesWindow *>(open(WindowId::Form5));
        QVERIFY(window);
        pointAt(label(WindowId::Form5, "S"));
        window->ResetNonmetalColours();
        QCOMPARE(green(WindowId::Form5, kNonmetalRow), QStringList{});
        window->ClearNonmetalBorders();
        QCOMPARE(framed(WindowId::Form5, kNonmetalRow), QStringList{});
        QCOMPARE(label(WindowId::Form5, "L1")->text(), QString::fromUtf8(kOxygen));
    }

    // ---- The arrows -------------------------------------------------------

    void arrows_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<int>("shaftLeft");
        QTest::addColumn<int>("tip");
        QTest::newRow("Form3") << WindowId::Form3 << 120 << 10560;
        QTest::newRow("Form5") << WindowId::Form5 << 960 << 10080;
        QTest::newRow("Form8") << WindowId::Form8 << 480 << 10320;
    }
    void arrows() {
        QFETCH(WindowId, id);
        QFETCH(int, shaftLeft);
        QFETCH(int, tip);
        HandbookWindow *window = open(id);
        QWidget *client = window->client();
        const int y = px(1680);
        // The shaft: 5 pixels of green from its left end to the tip.
        for (int x : {px(shaftLeft) + 2, (px(shaftLeft) + px(tip)) / 2, px(tip) - 2})
            for (int dy : {-2, 0, 2})
                QCOMPARE(pixel(client, {x, y + dy}), kGreen);
        QVERIFY(pixel(client, {px(shaftLeft) + 20, y - 5}) != kGreen);
        QVERIFY(pixel(client, {px(shaftLeft) + 20, y + 5}) != kGreen);
        QVERIFY(pixel(client, {px(tip) + 5, y}) != kGreen);
        // The head's two strokes, 8 pixels back from the tip.
        QCOMPARE(pixel(client, {px(tip) - 8, y - 4}), kGreen);
        QCOMPARE(pixel(client, {px(tip) - 8, y + 4}), kGreen);
    }

    // ---- Form8 -----------------------------------------------------------

    void acidDesignedState() {
        HandbookWindow *window = open(WindowId::Form8);
        QCOMPARE(label(WindowId::Form8, "Label4")->text(), QString("SKĀBJU AKTIVITĀTES RINDA"));
        QWidget *strip = book->find(WindowId::Form8, "Image1");
        QVERIFY(strip);
        QCOMPARE(strip->geometry(), Twips({720, 1200, 9105, 375}).toPixels());
        QCOMPARE(strip->cursor().shape(), Qt::ArrowCursor);
        // Clicking or pointing at the page changes nothing.
        pointAt(strip);
        click(strip);
        click(label(WindowId::Form8, "Label4"));
        QVERIFY(window->isVisible());
        QCOMPARE(book->windows.window(WindowId::Form1), nullptr);
    }

    // Below the letters' baseline only the index digits and the two brackets
    // show ink: 2 4 ( 3 4 3 ) 2 3 3 2 3 2 2 3, read left to right.
    void acidSubscripts() {
        HandbookWindow *window = open(WindowId::Form8);
        QWidget *strip = book->find(WindowId::Form8, "Image1");
        const QImage shot = window->client()->grab(strip->geometry()).toImage();
        const qreal ratio = shot.devicePixelRatio();
        const int baseline = int((260.0 / 15 + 2) * ratio);    // just under the letters
        const int indexBaseline = int(330.0 / 15 * ratio) - 1; // the indexes' last row
        auto inkIn = [&](int x, int top, int bottom) {
            for (int y = top; y <= bottom; ++y)
                if (isYellowInk(shot.pixelColor(x, y)))
                    return true;
            return false;
        };
        struct Cluster {
            int left, right;
        };
        QList<Cluster> clusters;
        for (int x = 0; x < shot.width(); ++x) {
            if (!inkIn(x, baseline, indexBaseline))
                continue;
            if (!clusters.isEmpty() && clusters.last().right >= x - 1)
                clusters.last().right = x;
            else
                clusters.append({x, x});
        }
        QString kinds;
        for (const Cluster &cluster : clusters) {
            // A bracket rises to the top of the letters; an index stays low.
            bool tall = false;
            for (int x = cluster.left; x <= cluster.right; ++x)
                tall = tall || inkIn(x, 0, int(10 * ratio));
            kinds += tall ? 'B' : 'i';
        }
        QCOMPARE(kinds, QString("iiBiiiBiiiiiiii"));

        // The line starts about 36 twips in and ends inside the strip.
        int first = -1, last = -1;
        for (int x = 0; x < shot.width(); ++x)
            if (inkIn(x, 0, shot.height() - 1)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        QVERIFY2(first >= int(1 * ratio) && first <= int(6 * ratio),
                 qPrintable(QString::number(first)));
        QVERIFY(last < shot.width() - 1);
    }

    // The strip's picture: yellow ink on a transparent ground.
    void acidStripIsYellowOnTransparent() {
        const QSize size = Twips({0, 0, 9105, 375}).toPixels().size();
        QImage image(size * 2, QImage::Format_ARGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            series::drawFormulaLine(painter, series::AcidSeriesWindow::formulaLine());
        }
        int ink = 0, clear = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() == 0) {
                    ++clear;
                    continue;
                }
                ++ink;
                QVERIFY2(
                    c.red() == c.green() && c.blue() == 0,
                    qPrintable(
                        QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(c.name(QColor::HexArgb))));
                if (c.alpha() == 255)
                    QCOMPARE(c, kYellow);
            }
        QVERIFY(ink > 1000);
        QVERIFY(clear > ink);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }

    // ---- The keyboard -----------------------------------------------------

    void keyboard_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("focused"); // the control with the focus afterwards
        QTest::addColumn<QString>("framed");  // the chosen symbol
        QTest::addColumn<QString>("shown");   // the half-reaction line, or the sentence
        const QString hydrogen = "H||+| / H|2|0,000 V";
        const QString oxygen = QString::fromUtf8(kOxygen);
        auto metals = [](const char *tag, const QStringList &keys, const char *focused,
                         const char *framed, const QString &line) {
            QTest::newRow(tag) << 3 << keys << focused << framed << line;
        };
        metals("opening", {}, "CmdExit", "H", hydrogen);
        // The arrows go along the row from the current symbol.
        metals("right from the back button", {"Right"}, "Cu", "H", hydrogen);
        metals("left from the back button", {"Left"}, "Pb", "H", hydrogen);
        metals("right and Enter", {"Right", "Return"}, "Cu", "Cu", "Cu||2+| / Cu||+ 0,338 V");
        metals("Space chooses too", {"Right", "Right", "Space"}, "Hg", "Hg",
               "Hg|2|2+| / Hg||+ 0,796 V");
        metals("keypad Enter", {"Right", "Right", "Right", "Enter"}, "Ag", "Ag",
               "Ag||+| / Ag||+ 0,799 V");
        metals("chromium stands left of zinc", QStringList(8, "Left"), "Cr", "H", hydrogen);
        metals("and manganese left of chromium", QStringList(9, "Left") << "Return", "Mn", "Mn",
               "Mn||2+| / Mn||- 1,192 V");
        metals("the right end stays", QStringList(9, "Right") << "Return", "Au", "Au",
               "Au||3+| / Au||+ 1,498 V");
        metals("the left end stays", QStringList(25, "Left") << "Space", "Li", "Li",
               "Li||+| / Li||- 3,045 V");
        metals("a choice, then away and back", {"Right", "Return", "Left", "Left"}, "Pb", "Cu",
               "Cu||2+| / Cu||+ 0,338 V");
        // One stop in the tab order, after the window's own buttons.
        metals("tab order", {"Tab", "Tab", "Tab"}, "H", "H", hydrogen);
        metals("tab round", {"Tab", "Tab", "Tab", "Tab"}, "CmdExit", "H", hydrogen);
        metals("tab comes back to the symbol last reached",
               {"Right", "Right", "Tab", "Tab", "Tab", "Tab"}, "Hg", "H", hydrogen);
        metals("arrows from a button go on from there", {"Right", "Right", "Tab", "Right"}, "Ag",
               "H", hydrogen);
        metals("back tab", {"Shift+Tab"}, "H", "H", hydrogen);
        metals("Enter on the back button still goes back", {"Return"}, "", "", "");

        auto nonmetals = [](const char *tag, const QStringList &keys, const char *focused,
                            const char *framed, const char *sentence) {
            QTest::newRow(tag) << 5 << keys << focused << framed << QString::fromUtf8(sentence);
        };
        nonmetals("non-metals opening", {}, "CmdExit", "O", kOxygen);
        nonmetals("fluorine", {"Right", "Return"}, "F", "F",
                  "Fluora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.98");
        nonmetals("arsenic", QStringList(11, "Left") << "Space", "eAs", "eAs",
                  "Arsēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.18");
        nonmetals("silicon at the left end", QStringList(20, "Left") << "Return", "Si", "Si",
                  "Silīcija relatīvā elektronegativitāte (pēc L. Polinga) ir 1.90");
        nonmetals("moving does not choose", {"Left", "Left"}, "N", "O", kOxygen);
        nonmetals("non-metals tab order", {"Tab", "Tab", "Tab"}, "O", "O", kOxygen);
    }
    void keyboard() {
        QFETCH(int, form);
        QFETCH(QStringList, keys);
        QFETCH(QString, focused);
        QFETCH(QString, framed);
        QFETCH(QString, shown);
        const WindowId id = WindowId(form);
        open(WindowId::Form1);
        QVERIFY(QTest::qWaitForWindowActive(book->windows.window(WindowId::Form1)));
        pressKeys({"Tab", "Tab"}); // MAR
        if (id == WindowId::Form5)
            pressKeys({"Tab"}); // NER
        pressKeys({"Space"});
        HandbookWindow *window = book->windows.window(id);
        QVERIFY(window && QTest::qWaitForWindowActive(window));
        pressKeys(keys);
        if (focused.isEmpty()) { // went back
            QVERIFY(!book->windows.exists(id));
            return;
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        const QStringList &row = id == WindowId::Form3 ? kMetalRow : kNonmetalRow;
        QCOMPARE(this->framed(id, row), QStringList{framed});
        QCOMPARE(id == WindowId::Form3 ? halfReaction() : label(id, "L1")->text(), shown);
        // The keyboard chooses; it does not colour.
        QCOMPARE(green(id, row), QStringList{});
    }

    void symbolsNameTheirElements_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("name");
        QTest::newRow("copper") << 3 << QStringList{"Right"} << QString::fromUtf8("Varš, Cu");
        QTest::newRow("hydrogen") << 3 << QStringList{"Tab", "Tab", "Tab"}
                                  << QString::fromUtf8("Ūdeņradis, H");
        QTest::newRow("gold") << 3 << QStringList(6, "Right") << QString::fromUtf8("Zelts, Au");
        QTest::newRow("arsenic") << 5 << QStringList(11, "Left") << QString::fromUtf8("Arsēns, As");
        QTest::newRow("fluorine") << 5 << QStringList{"Right"} << QString::fromUtf8("Fluors, F");
    }
    void symbolsNameTheirElements() {
        QFETCH(int, form);
        QFETCH(QStringList, keys);
        QFETCH(QString, name);
        HandbookWindow *window = open(WindowId(form));
        QVERIFY(QTest::qWaitForWindowActive(window));
        pressKeys(keys);
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QVERIFY(face->state().focusable);
        QVERIFY(face->state().focused);
    }

    void screenReaderReadsAndChoosesSymbols() {
        open(WindowId::Form3);
        auto face = [this](const char *name) {
            return QAccessible::queryAccessibleInterface(label(WindowId::Form3, name));
        };
        QCOMPARE(face("Cu")->role(), QAccessible::RadioButton);
        QVERIFY(face("H")->state().checked);
        QVERIFY(!face("Cu")->state().checked);
        // Its press action chooses the symbol as a click does.
        QAccessibleActionInterface *actions = face("Cu")->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(halfReaction(), QString("Cu||2+| / Cu||+ 0,338 V"));
        QVERIFY(face("Cu")->state().checked);
        QVERIFY(!face("H")->state().checked);
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{"Cu"});
    }

    void acidStripTakesNoFocus() {
        HandbookWindow *window = open(WindowId::Form8);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName();
            pressKeys({"Tab"});
        }
        QCOMPARE(order, (QStringList{"CmdExit", "Command1", "Command2", "CmdExit"}));
        pressKeys({"Right", "Left", "Shift+Tab"});
        QCOMPARE(label(WindowId::Form8, "Label4")->text(), QString("SKĀBJU AKTIVITĀTES RINDA"));
        QVERIFY(book->windows.window(WindowId::Form8)->isVisible());
    }

    // ---- Common buttons ---------------------------------------------------

    void commonButtons_data() {
        QTest::addColumn<WindowId>("id");
        QTest::newRow("Form3") << WindowId::Form3;
        QTest::newRow("Form5") << WindowId::Form5;
        QTest::newRow("Form8") << WindowId::Form8;
    }
    void commonButtons() {
        QFETCH(WindowId, id);
        open(id);
        click(book->find(id, "Command1"));
        QVERIFY(book->windows.window(id)->isMinimized());
        QVERIFY(!book->ended);
        click(book->find(id, "CmdExit"));
        QVERIFY(!book->windows.exists(id));
        QVERIFY(book->windows.window(WindowId::Form1)->isVisible());
        open(id);
        click(book->find(id, "Command2"));
        QVERIFY(book->ended);
    }

    void everyVisitStartsFromTheDesignedState() {
        open(WindowId::Form3);
        click(label(WindowId::Form3, "Hg"));
        pointAt(label(WindowId::Form3, "Au"));
        click(book->find(WindowId::Form3, "CmdExit"));
        open(WindowId::Form3);
        QCOMPARE(framed(WindowId::Form3, kMetalRow), QStringList{"H"});
        QCOMPARE(green(WindowId::Form3, kMetalRow), QStringList{});
        QCOMPARE(halfReaction(), QString("H||+| / H|2|0,000 V"));

        open(WindowId::Form5);
        click(label(WindowId::Form5, "F"));
        click(book->find(WindowId::Form5, "CmdExit"));
        open(WindowId::Form5);
        QCOMPARE(framed(WindowId::Form5, kNonmetalRow), QStringList{"O"});
        QCOMPARE(label(WindowId::Form5, "L1")->text(), QString::fromUtf8(kOxygen));
    }
};

VIELNIS_TEST_MAIN(SeriesTest)
#include "series_test.moc"
