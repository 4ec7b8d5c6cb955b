// The solubility table Form9 (grid, header images, hover frames, buttons) and
// its legend Form10.

#include "fixture.h"

#include "resources/pictures.h"
#include "shell/design_button.h"
#include "solubility/header_image.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

using namespace vielnis;
using namespace vielnis::testing;
using solubility::HeaderImage;

namespace {

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGreen(0x00, 0xFF, 0x00);

// The table as a pupil reads it: rows of cations, columns of anions.
const char *const kGrid[14] = {
    "(empty) 00 Š Š Š Š Š ŠS 00 ŠS Š N Š", // H+
    "ŠS Š Š Š Š Š Š Š Š Š Š - Š",          // NH4+
    "Š Š Š Š Š Š Š Š Š Š Š Š Š",           // K+
    "Š Š Š Š Š Š Š Š Š Š Š Š Š",           // Na+
    "- Š Š N N N N N M N N - Š",           // Ag+
    "Š Š M Š Š Š Š N N N N N Š",           // Ba2+
    "M Š N Š Š Š Š M M N N N Š",           // Ca2+
    "N Š M Š Š Š Š M Š M N N Š",           // Mg2+
    "N Š M Š Š Š N N Š N N N Š",           // Zn2+
    "N Š M Š Š - N N Š - N N Š",           // Cu2+
    "N Š M M M M N N M N N N Š",           // Pb2+
    "N Š M Š Š Š N N Š N N N Š",           // Fe2+
    "N Š N Š Š - + + Š + N N Š",           // Fe3+
    "N Š M Š Š Š + + Š + N N M",           // Al3+
};

struct MarkExpectation {
    const char *caption;
    QColor colour;
    int cells;
};
const MarkExpectation kMarks[] = {
    {"Š", QColor(0x80, 0xFF, 0x80), 96}, {"M", QColor(0x80, 0x80, 0xFF), 18},
    {"N", QColor(0xFF, 0x80, 0x80), 50}, {"00", QColor(0xFF, 0xFF, 0x80), 2},
    {"ŠS", QColor(0xFF, 0xC0, 0xFF), 3}, {"+", QColor(0xC0, 0xC0, 0xFF), 6},
    {"-", QColor(0xFF, 0xC0, 0x80), 6},  {"", QColor(0xC0, 0xFF, 0xC0), 1},
};

// Rows: cell-name key, suffix of the row's cells, left and right image, formula.
struct RowExpectation {
    const char *key;
    const char *suffix;
    const char *left;
    const char *right;
    const char *formula; // symbols with counts, blank, charge
};
const RowExpectation kRows[14] = {
    {"H", "", "H1", "H2", "H +"},       {"NH", "", "NH1", "NH2", "NH4 +"},
    {"K", "", "K1", "K2", "K +"},       {"Na", "", "Na1", "Na2", "Na +"},
    {"Ag", "", "Ag1", "Ag2", "Ag +"},   {"Ba", "", "Ba1", "Ba2", "Ba 2+"},
    {"Ca", "", "Ca1", "Ca2", "Ca 2+"},  {"Mg", "", "Mg1", "Mg2", "Mg 2+"},
    {"Zn", "", "Zn1", "Zn2", "Zn 2+"},  {"Cu", "", "Cu1", "Cu2", "Cu 2+"},
    {"Pb", "", "Pb1", "Pb2", "Pb 2+"},  {"Fe", "1", "Fe1", "Fe2", "Fe 2+"},
    {"Fe", "2", "Fe3", "Fe4", "Fe 3+"}, {"Al", "", "Al1", "Al2", "Al 3+"},
};

// Columns: image name (also the cell-name key) and formula.
struct ColumnExpectation {
    const char *key;
    const char *formula;
};
const ColumnExpectation kColumns[13] = {
    {"OH", "OH -"},         {"NO", "NO3 -"},  {"F", "F -"},     {"Cl", "Cl -"},
    {"Br", "Br -"},         {"I", "I -"},     {"S", "S 2-"},    {"SO3", "SO3 2-"},
    {"SO4", "SO4 2-"},      {"CO", "CO3 2-"}, {"PO", "PO4 3-"}, {"SiO", "SiO3 2-"},
    {"CH3COO", "CH3COO -"},
};

QString cellName(int row, int column) {
    const QString suffix = row == 13 && column == 11 ? "1" : kRows[row].suffix;
    return QString::fromLatin1(kRows[row].key) + kColumns[column].key + suffix;
}

// Pixels of a rectangle given in twips.
QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QStringList allImageNames() {
    QStringList names;
    for (const ColumnExpectation &column : kColumns)
        names << column.key;
    for (const RowExpectation &row : kRows)
        names << row.left << row.right;
    return names;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// What a header image draws itself, without the window behind it.
QImage ownPicture(QWidget *widget) {
    QImage picture(widget->size(), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    widget->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    return picture;
}

bool sameCursor(const QCursor &a, const QCursor &b) {
    return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() &&
           a.pixmap().toImage() == b.pixmap().toImage();
}

// Share of the pixels along a rectangle's edge that are black.
double blackEdgeShare(const QImage &image, const QRect &rect) {
    int black = 0, all = 0;
    auto look = [&](int x, int y) {
        ++all;
        if (image.pixelColor(x, y) == kBlack)
            ++black;
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        look(x, rect.top());
        look(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        look(rect.left(), y);
        look(rect.right(), y);
    }
    return double(black) / all;
}

} // namespace

class SolubilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;
    HandbookWindow *table = nullptr;

    HeaderImage *image(const QString &name) const {
        return book->find<HeaderImage>(WindowId::Form9, name.toUtf8().constData());
    }
    DesignButton *cell(const QString &name) const {
        return book->find<DesignButton>(WindowId::Form9, name.toUtf8().constData());
    }
    HandbookWindow *openTable() {
        HandbookWindow *window = book->open(WindowId::Form9);
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }
    // A place the pointer can be: a control's centre, or one of a few spots.
    QPoint place(const QString &where) const {
        if (where == "background") // between the column and the row headers
            return QPoint(62, 80);
        if (where == "corner") // bare background in the top-left corner
            return QPoint(1, 1);
        if (where == "gap") // between AgBr and AgI
            return twips(960 + 600 * 4 + 585, 1440 + 360 * 4 + 150, 15, 15).topLeft();
        if (where == "overlap") // the strip AgBr shares with BaBr
            return twips(960 + 600 * 4 + 150, 1440 + 360 * 5 + 15, 15, 15).topLeft();
        QWidget *control = book->find(WindowId::Form9, where.toUtf8().constData());
        return control ? control->geometry().center() : QPoint(-1, -1);
    }
    // Moves the pointer as the window system does: one move event at the spot.
    void pointAt(const QString &where) {
        const QPoint at = place(where);
        QVERIFY2(at.x() >= 0, qPrintable("nowhere: " + where));
        QTest::mouseMove(table->windowHandle(), table->client()->mapTo(table, at));
        Handbook::settle();
    }
    QStringList framedImages() const {
        QStringList framed;
        for (const QString &name : allImageNames())
            if (image(name)->isFramed())
                framed << name;
        return sorted(framed);
    }
    // The images whose edge is black in a picture of the client area.
    QStringList imagesFramedIn(const QPixmap &shot) const {
        const QImage pixels = shot.toImage();
        const qreal ratio = shot.devicePixelRatio();
        QStringList framed;
        for (const QString &name : allImageNames()) {
            const QRect r = image(name)->geometry();
            const QRect onShot(
                QPoint(int(r.left() * ratio), int(r.top() * ratio)),
                QPoint(int((r.right() + 1) * ratio) - 1, int((r.bottom() + 1) * ratio) - 1));
            // The rows overlap, so a neighbour's letters may cover a little of
            // a frame; a framed image is black almost all round.
            if (blackEdgeShare(pixels, onShot) > 0.8)
                framed << name;
        }
        return sorted(framed);
    }
    // Frames as the widgets paint them now (grab), and as the window on the
    // screen shows them after the repaint.
    QStringList imagesShowingFrame() const {
        const QStringList painted = imagesFramedIn(table->client()->grab());
        const QPoint at = table->client()->mapTo(table, QPoint(0, 0));
        const QStringList onScreen = imagesFramedIn(table->screen()->grabWindow(
            table->winId(), at.x(), at.y(), table->client()->width(), table->client()->height()));
        return painted == onScreen ? painted : QStringList{"screen differs:"} + onScreen;
    }
    QStringList windowStates() const {
        QStringList states;
        for (int n = 1; n <= kWindowCount; ++n)
            if (const HandbookWindow *window = book->windows.window(WindowId(n)))
                states << QStringLiteral("%1%2").arg(n).arg(window->isMinimized() ? "M"
                                                            : window->isVisible() ? "S"
                                                                                  : "H");
        return states;
    }

private slots:
    void init() {
        book = std::make_unique<Handbook>();
        table = openTable();
        QVERIFY(table);
        // The window system drops a move to where the pointer already is, so
        // every test starts from a spot that no test moves to.
        pointAt("corner");
    }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    void windowAndTitle() {
        QCOMPARE(table->windowTitle(), QStringLiteral("Vielu šķīdība ūdenī"));
        QCOMPARE(table->client()->size(), QSize(647, 455));
        auto *title = book->find<QLabel>(WindowId::Form9, "lblnos");
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("SKĀBJU, BĀZU UN SĀĻU ŠĶĪDĪBA ŪDENĪ"));
        QCOMPARE(title->geometry(), twips(840, 240, 8175, 495));
        QCOMPARE(title->palette().color(QPalette::WindowText), kGreen);
        QVERIFY(title->font().bold());
        QVERIFY(showsColour(title, kGreen, 10));
        // Open hand over the background, pointing hand over cells and buttons.
        const QCursor hand = pictures::cursor(pictures::Cursor::PointingHand);
        QVERIFY(
            sameCursor(table->client()->cursor(), pictures::cursor(pictures::Cursor::OpenHand)));
        for (const char *name :
             {"HOH", "AgBr", "AlCH3COO", "Command1", "Command2", "Command3", "Command4"})
            QVERIFY2(sameCursor(book->find(WindowId::Form9, name)->cursor(), hand), name);
    }

    void cellsFollowTheGrid() {
        const QImage shot = table->client()->grab().toImage();
        const qreal ratio = table->client()->devicePixelRatioF();
        std::map<QString, int> tally;
        int cells = 0;
        for (int row = 0; row < 14; ++row) {
            const QStringList marks = QString::fromUtf8(kGrid[row]).split(' ');
            QCOMPARE(marks.size(), 13);
            for (int column = 0; column < 13; ++column) {
                const QString name = cellName(row, column);
                const QString caption = marks[column] == "(empty)" ? QString() : marks[column];
                DesignButton *button = cell(name);
                QVERIFY2(button, qPrintable(name));
                QCOMPARE(button->text(), caption);
                const auto mark = std::find_if(std::begin(kMarks), std::end(kMarks),
                                               [&](const MarkExpectation &m) {
                                                   return QString::fromUtf8(m.caption) == caption;
                                               });
                QVERIFY(mark != std::end(kMarks));
                QCOMPARE(button->faceColour(), mark->colour);
                const QRect rect = twips(960 + 600 * column, 1440 + 360 * row, 585, 405);
                QCOMPARE(button->geometry(), rect);
                const QPoint inside = rect.topLeft() + QPoint(6, 6);
                QCOMPARE(shot.pixelColor(int(inside.x() * ratio), int(inside.y() * ratio)),
                         mark->colour);
                QVERIFY(button->font().bold());
                QCOMPARE(button->font().pixelSize(), 11); // 8.25 pt
                ++tally[caption];
                ++cells;
            }
        }
        QCOMPARE(cells, 182);
        for (const MarkExpectation &mark : kMarks)
            QCOMPARE(tally[QString::fromUtf8(mark.caption)], mark.cells);
        QCOMPARE(table->findChildren<DesignButton *>().size(), 182 + 4);
        QVERIFY(cell("AlSiO1"));
        QVERIFY(!cell("AlSiO"));
    }

    // Salts whose solubility lies within the legend's limits for "M"
    // (0,001 g to 1 g in 100 g of water) show "M" in its colour, and a screen
    // reader hears them as slightly soluble.
    void slightlySolubleSalts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gramsIn100g"); // CRC Handbook, about 20 °C
        QTest::newRow("MgCO3") << "MgCO"
                               << "0,01-0,04";
        QTest::newRow("CuF2") << "CuF"
                              << "0,075";
        QTest::newRow("PbI2") << "PbI"
                              << "0,076";
        QTest::newRow("PbSO4") << "PbSO4"
                               << "0,004";
    }
    void slightlySolubleSalts() {
        QFETCH(QString, name);
        QFETCH(QString, gramsIn100g);
        const QColor slightlySoluble(0x80, 0x80, 0xFF);
        DesignButton *button = cell(name);
        QVERIFY(button);
        QVERIFY2(button->text() == QStringLiteral("M"),
                 qPrintable(gramsIn100g + " g in 100 g of water, shown as " + button->text()));
        QCOMPARE(button->faceColour(), slightlySoluble);
        const QImage face = button->grab().toImage();
        QCOMPARE(face.pixelColor(face.width() / 8, face.height() / 2), slightlySoluble);
        QVERIFY2(button->accessibleName().endsWith(
                     QStringLiteral(": mazšķīstoša viela (0,001 g -1 g / 100 g ūdens)")),
                 qPrintable(button->accessibleName()));
    }

    void headerImagesInTheirPlaces() {
        auto formula = [](HeaderImage *header) {
            return QString::fromLatin1(header->formula().body) + ' ' + header->formula().charge;
        };
        QCOMPARE(table->findChildren<HeaderImage *>().size(), 41);
        for (int column = 0; column < 13; ++column) {
            HeaderImage *header = image(kColumns[column].key);
            QVERIFY2(header, kColumns[column].key);
            QCOMPARE(header->geometry(),
                     twips(960 + 600 * column, 960, column == 12 ? 945 : 540, 405));
            QCOMPARE(formula(header), QString::fromLatin1(kColumns[column].formula));
        }
        for (int row = 0; row < 14; ++row) {
            HeaderImage *left = image(kRows[row].left);
            HeaderImage *right = image(kRows[row].right);
            QVERIFY2(left && right, kRows[row].left);
            QCOMPARE(left->geometry(), twips(360, 1440 + 360 * row, 540, 405));
            QCOMPARE(right->geometry(), twips(8880, 1440 + 360 * row, 540, 405));
            QCOMPARE(formula(left), QString::fromLatin1(kRows[row].formula));
            QCOMPARE(formula(right), QString::fromLatin1(kRows[row].formula));
            // Both ends of a row show the same picture.
            QCOMPARE(ownPicture(left), ownPicture(right));
        }
        // Yellow letters on a transparent ground, filling the rectangle: from
        // the top of the charge to the foot of the counts, and across when
        // the formula is long.
        for (const QString &name : allImageNames()) {
            HeaderImage *header = image(name);
            QVERIFY(!header->isFramed());
            const QImage picture = ownPicture(header);
            QRect ink;
            bool transparent = false;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const QColor c = picture.pixelColor(x, y);
                    if (c.alpha() == 0)
                        transparent = true;
                    else if (c.alpha() > 128) {
                        QCOMPARE(c.red(), 255);
                        QCOMPARE(c.green(), 255);
                        QCOMPARE(c.blue(), 0);
                        ink |= QRect(x, y, 1, 1);
                    }
                }
            QVERIFY2(transparent, qPrintable(name));
            // Raised charge at the top, lowered counts down to the foot.
            QVERIFY2(ink.top() <= 5, qPrintable(name));
            QVERIFY2(ink.bottom() >= picture.height() * 0.7, qPrintable(name));
            if (QString::fromLatin1(header->formula().body).contains(QRegularExpression("\\d")))
                QVERIFY2(ink.bottom() >= picture.height() - 3, qPrintable(name));
            if (name == "SO4" || name == "NH1" || name == "CH3COO")
                QVERIFY2(ink.width() >= picture.width() * 0.85, qPrintable(name));
        }
        // No two columns and no two rows show the same formula picture, so the
        // Fe2+ and Fe3+ rows differ.
        QSet<QString> pictures;
        for (const QString &name : allImageNames()) {
            const QImage picture = ownPicture(image(name));
            pictures.insert(QString::number(qHashBits(picture.constBits(), picture.sizeInBytes())));
        }
        QCOMPARE(pictures.size(), 13 + 14);
        // No image is framed on the screen at start.
        QCOMPARE(imagesShowingFrame(), QStringList());
    }

    void hover_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("framed");
        QTest::newRow("AgBr") << QStringList{"AgBr"} << QStringList{"Br", "Ag1", "Ag2"};
        QTest::newRow("water cell HOH") << QStringList{"HOH"} << QStringList{"OH", "H1", "H2"};
        QTest::newRow("FeSO41") << QStringList{"FeSO41"} << QStringList{"SO4", "Fe1", "Fe2"};
        QTest::newRow("FeSO41 then FeSO42")
            << QStringList{"FeSO41", "FeSO42"} << QStringList{"SO4", "Fe3", "Fe4"};
        QTest::newRow("AlSiO1") << QStringList{"AlSiO1"} << QStringList{"SiO", "Al1", "Al2"};
        QTest::newRow("AlCH3COO") << QStringList{"AlCH3COO"} << QStringList{"CH3COO", "Al1", "Al2"};
        QTest::newRow("cell then background") << QStringList{"AgBr", "background"} << QStringList{};
        QTest::newRow("cell then gap between cells") << QStringList{"AgBr", "gap"} << QStringList{};
        QTest::newRow("gap then next cell")
            << QStringList{"AgBr", "gap", "AgI"} << QStringList{"I", "Ag1", "Ag2"};
        QTest::newRow("cell then its column header, no background between")
            << QStringList{"AgBr", "Br"} << QStringList{"Br", "Ag1", "Ag2"};
        QTest::newRow("cell then another header")
            << QStringList{"AgBr", "Cl", "Fe3"} << QStringList{"Br", "Ag1", "Ag2"};
        QTest::newRow("cell then title")
            << QStringList{"HOH", "lblnos"} << QStringList{"OH", "H1", "H2"};
        QTest::newRow("cell then legend button")
            << QStringList{"HOH", "Command2"} << QStringList{"OH", "H1", "H2"};
        QTest::newRow("header after background")
            << QStringList{"AgBr", "background", "Br"} << QStringList{};
        QTest::newRow("overlap strip belongs to the lower cell")
            << QStringList{"AgBr", "overlap"} << QStringList{"Br", "Ba1", "Ba2"};
        QTest::newRow("across the table")
            << QStringList{"HOH", "AlCH3COO", "KCl"} << QStringList{"Cl", "K1", "K2"};
    }
    void hover() {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, framed);
        for (const QString &where : moves)
            pointAt(where);
        QCOMPARE(framedImages(), sorted(framed));
        QCOMPARE(imagesShowingFrame(), sorted(framed));
    }

    void everyCellFramesItsOwnHeaders() {
        for (int row = 0; row < 14; ++row)
            for (int column = 0; column < 13; ++column) {
                pointAt(cellName(row, column));
                QCOMPARE(framedImages(),
                         sorted({kColumns[column].key, kRows[row].left, kRows[row].right}));
            }
        pointAt("background");
        QCOMPARE(framedImages(), QStringList());
    }

    // The keyboard from the focus the window opens with (the water cell),
    // the pointer resting in a corner.
    void keyboard_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QStringList>("framed");
        auto row = [](const char *tag, const QStringList &keys, const char *focused,
                      const QStringList &framed) {
            QTest::newRow(tag) << keys << focused << framed;
        };
        auto times = [](int n, const char *key) {
            return QStringList(n, QString::fromLatin1(key));
        };
        row("opening", {}, "HOH", {});
        row("down a row", {"Down"}, "NHOH", {"OH", "NH1", "NH2"});
        row("right a column", {"Right"}, "HNO", {"NO", "H1", "H2"});
        row("down and back up", {"Down", "Up"}, "HOH", {"OH", "H1", "H2"});
        row("AgBr", times(4, "Down") + times(4, "Right"), "AgBr", {"Br", "Ag1", "Ag2"});
        row("Fe(II) sulphate", times(11, "Down") + times(8, "Right"), "FeSO41",
            {"SO4", "Fe1", "Fe2"});
        row("Fe(III) sulphate below it", times(12, "Down") + times(8, "Right"), "FeSO42",
            {"SO4", "Fe3", "Fe4"});
        row("aluminium silicate", times(13, "Down") + times(11, "Right"), "AlSiO1",
            {"SiO", "Al1", "Al2"});
        row("the bottom right corner stays", times(20, "Down") + times(20, "Right"), "AlCH3COO",
            {"CH3COO", "Al1", "Al2"});
        row("the top left corner stays", {"Right", "Left", "Left", "Up"}, "HOH",
            {"OH", "H1", "H2"});
        row("left along a row", times(9, "Down") + times(5, "Right") + times(3, "Left"), "CuF",
            {"F", "Cu1", "Cu2"});
        // Tab still walks the cells row by row, and frames as it goes.
        row("tab", {"Tab"}, "HNO", {"NO", "H1", "H2"});
        row("tab from the row's end", times(12, "Right") + QStringList{"Tab"}, "NHOH",
            {"OH", "NH1", "NH2"});
        row("back tab out of the grid to a button", {"Shift+Tab"}, "Command4", {});
        row("from a button back into the grid",
            {"Shift+Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab"}, "AlCH3COO",
            {"CH3COO", "Al1", "Al2"});
        row("a button keeps the frames", times(2, "Down") + QStringList{"Tab"} + times(2, "Right"),
            "KCl", {"Cl", "K1", "K2"});
    }
    void keyboard() {
        QFETCH(QStringList, keys);
        QFETCH(QString, focused);
        QFETCH(QStringList, framed);
        QVERIFY(QTest::qWaitForWindowActive(table));
        pressKeys(keys);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(framedImages(), sorted(framed));
        QCOMPARE(imagesShowingFrame(), sorted(framed));
    }

    void keyboardFramesGoAsPointingOnes() {
        QVERIFY(QTest::qWaitForWindowActive(table));
        pressKeys({"Down", "Down", "Down", "Down", "Right", "Right", "Right", "Right"});
        QCOMPARE(framedImages(), sorted({"Br", "Ag1", "Ag2"}));
        // The pointer over a cell frames that cell's headers; over the bare
        // background, none. The focus stays where it is.
        pointAt("KCl");
        QCOMPARE(framedImages(), sorted({"Cl", "K1", "K2"}));
        pointAt("background");
        QCOMPARE(framedImages(), QStringList());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("AgBr"));
        // The next key frames again from where the focus is.
        pressKeys({"Down"});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BaBr"));
        QCOMPARE(framedImages(), sorted({"Br", "Ba1", "Ba2"}));
    }

    void focusedCellKeepsItsName() {
        QVERIFY(QTest::qWaitForWindowActive(table));
        pressKeys({"Down", "Down", "Down", "Down", "Right", "Right", "Right", "Right"});
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), cell("AgBr")->accessibleName());
        QVERIFY(face->state().focused);
    }

    void clickingACellChangesNothing_data() {
        QTest::addColumn<QString>("name");
        for (const char *name : {"HOH", "AgBr", "AlSiO1", "FeSO42", "AlCH3COO"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void clickingACellChangesNothing() {
        QFETCH(QString, name);
        pointAt(name);
        auto state = [&] {
            QStringList all = windowStates() + framedImages();
            for (auto *button : table->findChildren<DesignButton *>())
                all << button->objectName() + button->text() + button->faceColour().name();
            return all;
        };
        const QStringList before = state();
        DesignButton *pressed = cell(name);
        QTest::mousePress(pressed, Qt::LeftButton);
        QVERIFY(pressed->isDown()); // the pressed look, nothing else
        QTest::mouseRelease(pressed, Qt::LeftButton);
        Handbook::settle();
        QCOMPARE(state(), before);
        QVERIFY(!book->ended);
        QCOMPARE(book->windows.window(WindowId::Form9), table);
    }

    void buttons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<bool>("ended");
        QTest::newRow("Command1 <~")
            << "Command1" << twips(120, 120, 510, 375) << "Atpakaļ!" << QStringList{"1S"} << false;
        QTest::newRow("Command2 legend") << "Command2" << twips(120, 480, 510, 375) << "Apzīmējumi"
                                         << QStringList{"10S"} << false;
        QTest::newRow("Command3 -") << "Command3" << twips(9120, 120, 255, 375) << "Minimizēt!"
                                    << QStringList{"9M"} << false;
        QTest::newRow("Command4 x")
            << "Command4" << twips(9360, 120, 255, 375) << "Iziet!" << QStringList{} << true;
    }
    void buttons() {
        QFETCH(QString, button);
        QFETCH(QRect, rect);
        QFETCH(QString, tooltip);
        QFETCH(QStringList, states);
        QFETCH(bool, ended);
        auto *control = book->find<DesignButton>(WindowId::Form9, button.toUtf8().constData());
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
        QCOMPARE(control->toolTip(), tooltip);
        click(control);
        QCOMPARE(windowStates(), states);
        QCOMPARE(book->ended, ended);
    }

    void legendButtonLooksLikeTheBackButton() {
        auto *legend = book->find<DesignButton>(WindowId::Form9, "Command2");
        QVERIFY(legend->text().isEmpty());
        QVERIFY(legend->hasPicture());
        QCOMPARE(legend->faceColour(), QColor(0xC0, 0x00, 0x00));
        QVERIFY(showsColour(legend, kBlack, 0)); // the tick
    }

    void legendBackBuildsAFreshTable() {
        pointAt("FeSO42");
        QCOMPARE(framedImages(), sorted({"SO4", "Fe3", "Fe4"}));
        QPointer<HandbookWindow> first = table;
        click(book->find(WindowId::Form9, "Command2"));
        QVERIFY(first.isNull());
        QCOMPARE(windowStates(), QStringList{"10S"});
        HandbookWindow *legend = book->windows.window(WindowId::Form10);
        QVERIFY(QTest::qWaitForWindowExposed(legend));

        click(book->find(WindowId::Form10, "Command1"));
        QCOMPARE(windowStates(), QStringList{"9S"});
        table = book->windows.window(WindowId::Form9);
        QVERIFY(QTest::qWaitForWindowExposed(table));
        QCOMPARE(framedImages(), QStringList());
        QCOMPARE(imagesShowingFrame(), QStringList());
        // and it frames again like the first one
        pointAt("AlSiO1");
        QCOMPARE(imagesShowingFrame(), sorted({"SiO", "Al1", "Al2"}));
    }

    void legendContents() {
        click(book->find(WindowId::Form9, "Command2"));
        HandbookWindow *legend = book->windows.window(WindowId::Form10);
        QVERIFY(legend);
        QVERIFY(QTest::qWaitForWindowExposed(legend));
        QCOMPARE(legend->windowTitle(), QStringLiteral("Apzīmējumi"));
        QCOMPARE(legend->client()->size(), QSize(424, 255));

        auto *title = book->find<QLabel>(WindowId::Form10, "Label1");
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("Apzīmējumi"));
        QCOMPARE(title->geometry(), twips(1560, 120, 3255, 735));
        QCOMPARE(title->palette().color(QPalette::WindowText), kGreen);
        QCOMPARE(title->font().pixelSize(), 37); // 27.75 pt
        QVERIFY(title->font().bold());

        struct Row {
            const char *swatch;
            const char *mark;
            QColor colour;
            bool bold;
            const char *label;
            int width;
            const char *text;
        };
        const Row rows[] = {
            {"CommandButton1", "Š", QColor(0xC0, 0xFF, 0xC0), true, "Label2", 5175,
             " - šķīstoša viela (> 1 g / 100 g ūdens)"},
            {"CommandButton2", "M", QColor(0x80, 0x80, 0xFF), true, "Label3", 5055,
             " - mazšķīstoša viela (0,001 g -1 g / 100 g ūdens)"},
            {"CommandButton7", "N", QColor(0xFF, 0x80, 0x80), true, "Label4", 4815,
             " - nešķīstoša viela (< 0,001 g / 100 g ūdens)"},
            {"CommandButton6", "00", QColor(0xFF, 0xFF, 0x80), true, "Label5", 2895,
             " - šķīdība ir neierobežota"},
            {"CommandButton5", "ŠS", QColor(0xFF, 0xC0, 0xFF), true, "Label6", 5175,
             " - nestabilas vielas šķīdums - sadalās, izdalot gāzi"},
            {"CommandButton4", "+", QColor(0xC0, 0xC0, 0xFF), false, "Label7", 4215,
             " - viela reaģē ar ūdeni"},
            {"CommandButton3", "-", QColor(0xFF, 0xC0, 0x80), true, "Label8", 4215,
             " - viela nav iegūta"},
        };
        const QImage shot = legend->client()->grab().toImage();
        const qreal ratio = legend->client()->devicePixelRatioF();
        int top = 960;
        for (const Row &row : rows) {
            auto *swatch = book->find<DesignButton>(WindowId::Form10, row.swatch);
            QVERIFY2(swatch, row.swatch);
            QCOMPARE(swatch->text(), QString::fromUtf8(row.mark));
            QCOMPARE(swatch->faceColour(), row.colour);
            QCOMPARE(swatch->geometry(), twips(240, top, 585, 375));
            QCOMPARE(swatch->font().bold(), row.bold);
            QCOMPARE(swatch->font().pixelSize(), 11);
            QCOMPARE(swatch->palette().color(QPalette::ButtonText), kBlack);
            const QPoint inside = swatch->geometry().topLeft() + QPoint(5, 5);
            QCOMPARE(shot.pixelColor(int(inside.x() * ratio), int(inside.y() * ratio)), row.colour);

            auto *label = book->find<QLabel>(WindowId::Form10, row.label);
            QVERIFY2(label, row.label);
            QCOMPARE(label->text(), QString::fromUtf8(row.text));
            QCOMPARE(label->geometry(), twips(840, top, row.width, 375));
            QCOMPARE(label->palette().color(QPalette::WindowText), kYellow);
            QCOMPARE(label->font().pixelSize(), 16); // 12 pt
            QVERIFY(label->font().bold());
            QVERIFY(showsColour(label, kYellow, 10));
            top += 360;
        }
        // The legend's "Š" is paler than the table's.
        QVERIFY(book->find<DesignButton>(WindowId::Form10, "CommandButton1")->faceColour() !=
                QColor(0x80, 0xFF, 0x80));

        // Its three buttons; the back button holds the focus.
        const struct {
            const char *name;
            const char *caption;
            QRect rect;
            const char *tooltip;
        } buttons[] = {{"Command1", "<~", twips(120, 120, 510, 375), "Atpakaļ!"},
                       {"Command2", "-", twips(5760, 120, 255, 375), "Minimizēt!"},
                       {"Command3", "x", twips(6000, 120, 255, 375), "Iziet!"}};
        for (const auto &b : buttons) {
            auto *button = book->find<DesignButton>(WindowId::Form10, b.name);
            QVERIFY2(button, b.name);
            QCOMPARE(button->text(), QString::fromUtf8(b.caption));
            QCOMPARE(button->geometry(), b.rect);
            QCOMPARE(button->toolTip(), QString::fromUtf8(b.tooltip));
            QVERIFY(sameCursor(button->cursor(), pictures::cursor(pictures::Cursor::PointingHand)));
        }
        QVERIFY(QTest::qWaitForWindowActive(legend));
        QCOMPARE(QApplication::focusWidget(), book->find(WindowId::Form10, "Command1"));
        QCOMPARE(legend->findChildren<DesignButton *>().size(), 7 + 3);
    }

    void legendSwatchesAndTextsDoNothing() {
        click(book->find(WindowId::Form9, "Command2"));
        QVERIFY(QTest::qWaitForWindowExposed(book->windows.window(WindowId::Form10)));
        for (const char *name : {"CommandButton1", "CommandButton2", "CommandButton7",
                                 "CommandButton6", "CommandButton5", "CommandButton4",
                                 "CommandButton3", "Label1", "Label2", "Label6", "Label8"}) {
            QWidget *control = book->find(WindowId::Form10, name);
            QVERIFY2(control, name);
            click(control);
            QCOMPARE(windowStates(), QStringList{"10S"});
            QVERIFY(!book->ended);
        }
    }

    void legendMinimiseAndExit() {
        click(book->find(WindowId::Form9, "Command2"));
        click(book->find(WindowId::Form10, "Command2"));
        QCOMPARE(windowStates(), QStringList{"10M"});
        QVERIFY(!book->ended);
        click(book->find(WindowId::Form10, "Command3"));
        QVERIFY(book->ended);
        QCOMPARE(windowStates(), QStringList());
    }
};

VIELNIS_TEST_MAIN(SolubilityTest)
#include "solubility_test.moc"
