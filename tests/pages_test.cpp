// The information pages: the table legend, the help, the about, authors and
// biography pages.

#include "fixture.h"

#include "catalogue/catalogue.h"
#include "pages/page_texts.h"
#include "shell/design_button.h"
#include "shell/picture_view.h"
#include "shell/twips.h"
#include "shell/window_looks.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBrown(0x80, 0x40, 0x00);

// What the box shows: the stored text with one character per line break.
QString shown(const char *stored) {
    return QString::fromUtf8(stored).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Font size as designed, in pixels at 96 dots per inch.
int pixels(qreal points) {
    return int(std::lround(points * 96.0 / 72.0));
}

// Lines of a text without the break after the last one.
QStringList linesOf(const QString &text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

// How a page is reached: the controls activated from the start window.
struct Route {
    WindowId page;
    QStringList path;
    WindowId backTarget;
};

const QList<Route> kRoutes = {
    {WindowId::Form6, {"Form1.KEPT", "Form2.Apz"}, WindowId::Form2},
    {WindowId::Form11, {"Form1.KEPT", "Form2.cmdhelp"}, WindowId::Form2},
    {WindowId::Form12, {"Form1.PAR"}, WindowId::Form1},
    {WindowId::Form4, {"Form1.KEPT", "Form2.cmdAutorItm"}, WindowId::Form2},
    {WindowId::Form7, {"Form1.KEPT", "Form2.cmdDMendeļejevsItem"}, WindowId::Form2},
};

const Route &routeTo(WindowId page) {
    for (const Route &route : kRoutes)
        if (route.page == page)
            return route;
    qFatal("no route");
}

const char *const kHelpHeadings[] = {
    "ELEMENTA SIMBOLS",
    "KĀRTAS SKAITLIS",
    "ATOMMASA",
    "ELEKTRONAPVALKA UZBŪVE",
    "DATI PAR ELEMENTA ATKLĀŠANU",
    "ELEKTRONEGATIVITĀTE",
    "ATOMA RĀDIUSS",
    "ALOTROPIJA",
    "KRĀSA",
    "AGREGĀTSTĀVOKLIS",
    "KUŠANAS TEMPERATŪRA",
    "VIRŠANAS TEMPERATŪRA",
    "SUBLIMĀCIJA",
    "BLĪVUMS",
    "OKSIDĒŠANĀS PAKĀPES",
};

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;

    // Activates "FormN.name" as a user would: clicks the button or chooses
    // the menu item.
    void activate(const QString &path) {
        const int dot = path.indexOf('.');
        const auto id = WindowId(path.mid(4, dot - 4).toInt());
        const QString name = path.mid(dot + 1);
        HandbookWindow *window = book->windows.window(id);
        QVERIFY2(window && window->isVisible(), qPrintable(path + ": window not shown"));
        if (auto *button = window->findChild<QAbstractButton *>(name)) {
            click(button);
            return;
        }
        auto *action = window->findChild<QAction *>(name);
        QVERIFY2(action, qPrintable(path + ": no such control"));
        action->trigger();
        Handbook::settle();
    }

    // Opens the page along its route, from the last window of the route
    // that is shown now.
    HandbookWindow *visit(WindowId page) {
        const QStringList path = routeTo(page).path;
        qsizetype from = 0;
        for (qsizetype i = 0; i < path.size(); ++i) {
            const auto id = WindowId(path[i].mid(4, path[i].indexOf('.') - 4).toInt());
            if (book->windows.exists(id) && book->windows.window(id)->isVisible())
                from = i;
        }
        for (const QString &step : path.mid(from)) {
            activate(step);
            if (QTest::currentTestFailed())
                return nullptr;
        }
        HandbookWindow *window = book->windows.window(page);
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    template <typename T = QWidget> T *find(WindowId id, const char *name) {
        return book->find<T>(id, name);
    }

    QPlainTextEdit *textBox(WindowId id) { return find<QPlainTextEdit>(id, "Text1"); }

    // The colour at a point of the window's client area, in twips.
    QColor clientPixel(WindowId id, int left, int top) {
        return pixel(book->windows.window(id)->client(), pxPoint(left, top));
    }

private slots:
    void init() {
        book = std::make_unique<Handbook>();
        book->open(WindowId::Form1);
    }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    // ---- Labels of every page ----------------------------------------------

    void labels_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent"); // the panel holding it, or "client"
        QTest::addColumn<QRect>("rect");     // twips, within the parent's inner area
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("centred");

        struct Row {
            int form;
            const char *name;
            const char *parent;
            QRect rect;
            QString text;
            QColor colour;
            qreal points;
            bool bold;
            bool centred;
        };
        const auto u = [](const char *text) { return QString::fromUtf8(text); };
        const Row rows[] = {
            // The table legend.
            {6,
             "Label5",
             "client",
             {2475, 120, 2865, 630},
             u("Apzīmējumi"),
             kGreen,
             27.75,
             true,
             true},
            {6,
             "Label2",
             "Picture1",
             {120, 120, 3135, 375},
             u("Ziņas par elementu"),
             kYellow,
             14.25,
             true,
             true},
            {6,
             "Label4",
             "client",
             {600, 3480, 2895, 735},
             u("Elementi ar nemetāliskām īpašībām"),
             kBrown,
             14.25,
             true,
             true},
            {6,
             "Label1",
             "Picture2",
             {0, 120, 3375, 375},
             u("Ziņas par vienkāršo vielu"),
             kYellow,
             14.25,
             true,
             true},
            {6, "Label6", "client", {4200, 1200, 375, 375}, u("B"), Qt::black, 12, true, true},
            {6,
             "Label9",
             "client",
             {4920, 1200, 3255, 375},
             u(" - bāziskās īpašības"),
             kGreen,
             14.25,
             false,
             false},
            {6, "Label7", "client", {4200, 1680, 375, 375}, u("A"), Qt::black, 12, true, true},
            {6,
             "Label10",
             "client",
             {4920, 1680, 3255, 375},
             u(" - amfotērās īpašības"),
             kGreen,
             14.25,
             false,
             false},
            {6, "Label8", "client", {4200, 2160, 375, 375}, u("S"), Qt::black, 12, true, true},
            {6,
             "Label11",
             "client",
             {4920, 2160, 3255, 375},
             u(" - skābās īpašības"),
             kGreen,
             14.25,
             false,
             false},
            {6,
             "Label12",
             "client",
             {4200, 3000, 1815, 375},
             u("¹  1Å = 10^(-8) cm"),
             kGreen,
             12,
             true,
             false},
            // The help and biography titles.
            {11,
             "Label1",
             "client",
             {1320, 240, 4095, 495},
             u("PALĪGS"),
             kGreen,
             20.25,
             true,
             true},
            {7,
             "Label1",
             "client",
             {960, 240, 5415, 495},
             u("D. MENDEĻEJEVS"),
             kGreen,
             20.25,
             true,
             true},
            // The about page.
            {12,
             "Label1",
             "client",
             {1080, 720, 4455, 495},
             u("Vielnis 1.2"),
             kWhite,
             14.25,
             false,
             false},
            {12,
             "Label4",
             "client",
             {600, 1080, 4815, 1815},
             u(pages::kAboutDescription),
             kWhite,
             12,
             false,
             false},
            // The authors page.
            {4,
             "Label4",
             "client",
             {240, 600, 4335, 495},
             u(pages::kFirstAuthorName),
             kWhite,
             15.75,
             false,
             true},
            {4,
             "Label5",
             "client",
             {480, 1080, 4095, 1215},
             u(pages::kFirstAuthorDetails),
             kWhite,
             14.25,
             false,
             false},
            {4,
             "Label1",
             "client",
             {240, 2280, 4575, 495},
             u(pages::kSecondAuthorName),
             kWhite,
             15.75,
             false,
             true},
            {4,
             "Label2",
             "client",
             {480, 2760, 3735, 735},
             u(pages::kSecondAuthorPosts),
             kWhite,
             14.25,
             false,
             false},
            {4,
             "Label3",
             "client",
             {480, 3360, 3975, 735},
             u(pages::kSecondAuthorAddress),
             kWhite,
             14.25,
             false,
             false},
        };
        for (const Row &row : rows)
            QTest::addRow("Form%d.%s", row.form, row.name)
                << row.form << QString::fromLatin1(row.name) << QString::fromLatin1(row.parent)
                << row.rect << row.text << row.colour << row.points << row.bold << row.centred;
    }
    void labels() {
        QFETCH(int, form);
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, centred);

        HandbookWindow *window = visit(WindowId(form));
        QVERIFY(window);
        auto *label = window->findChild<QLabel *>(name);
        QVERIFY(label);
        QWidget *holder = label->parentWidget();
        QCOMPARE(holder->objectName(), parent);
        const QRect inner = holder->contentsRect();
        const QRect expected = Twips{rect.x(), rect.y(), rect.width(), rect.height()}.toPixels();
        const bool oneLine = name == QLatin1String("Label12") && form == 6;
        if (oneLine) {
            // The radius note keeps its place and runs on to the right as far
            // as its text needs: its unit must not wrap out of sight.
            QVERIFY(!label->wordWrap());
            QCOMPARE(label->pos(), expected.topLeft());
            QCOMPARE(label->height(), expected.height());
            QVERIFY(label->width() >= expected.width());
            QVERIFY(label->sizeHint().width() <= label->width());
        } else {
            QCOMPARE(label->geometry(), expected.translated(inner.topLeft()));
            QVERIFY(label->wordWrap());
            // The whole text fits its label.
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QString::number(label->heightForWidth(label->width()))));
        }
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(label->font().pixelSize(), pixels(points));
        QCOMPARE(label->font().bold(), bold);
        QVERIFY(!label->font().italic());
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
        // The text is drawn in its colour.
        QVERIFY(showsColour(label, colour, 60));
    }

    // ---- The table legend ----------------------------------------------------

    void legendPanels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("Picture1") << "Picture1" << QRect(360, 1320, 3495, 615)
                                  << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("Picture2") << "Picture2" << QRect(360, 4250, 3495, 615)
                                  << QColor(0x80, 0x80, 0xFF);
    }
    void legendPanels() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QColor, fill);
        QVERIFY(visit(WindowId::Form6));
        auto *panel = find<QFrame>(WindowId::Form6, qPrintable(name));
        QVERIFY(panel);
        QCOMPARE(panel->geometry(),
                 (Twips{rect.x(), rect.y(), rect.width(), rect.height()}.toPixels()));
        // Filled in its colour beside its caption.
        QCOMPARE(pixel(panel, QPoint(4, panel->height() / 2)), fill);
        QCOMPARE(pixel(panel, QPoint(panel->width() - 5, panel->height() / 2)), fill);
    }

    void legendSwatches_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("text");
        const QColor light(0xFF, 0xFF, 0xC0);
        QTest::newRow("s") << "CommandButton1" << QRect(360, 2040, 1695, 615) << " s-elementi"
                           << light << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("d") << "CommandButton3" << QRect(2160, 2040, 1695, 615) << " d-elementi"
                           << light << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("p") << "CommandButton2" << QRect(360, 2760, 1695, 615) << " p-elementi"
                           << light << kBrown;
        QTest::newRow("f") << "CommandButton4" << QRect(2160, 2760, 1695, 615) << " f-elementi"
                           << light << QColor(0x00, 0xC0, 0x00);
        QTest::newRow("non-metals")
            << "CommandButton5" << QRect(360, 3480, 3495, 680) << "" << kYellow << QColor();
    }
    void legendSwatches() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        QFETCH(QColor, face);
        QFETCH(QColor, text);
        QVERIFY(visit(WindowId::Form6));
        auto *swatch = find<DesignButton>(WindowId::Form6, qPrintable(name));
        QVERIFY(swatch);
        QCOMPARE(swatch->geometry(),
                 (Twips{rect.x(), rect.y(), rect.width(), rect.height()}.toPixels()));
        QCOMPARE(swatch->text(), caption);
        QCOMPARE(pixel(swatch, QPoint(4, 4)), face);
        if (text.isValid()) {
            QCOMPARE(swatch->font().pixelSize(), pixels(14.25));
            QVERIFY(swatch->font().bold());
            QVERIFY(showsColour(swatch, text, 30));
        }
    }

    void legendNonmetalLabelLiesOnItsSwatch() {
        QVERIFY(visit(WindowId::Form6));
        // Left of the label the swatch shows; under the label, past its text,
        // the swatch still shows through.
        QCOMPARE(clientPixel(WindowId::Form6, 450, 3800), kYellow);
        QCOMPARE(clientPixel(WindowId::Form6, 650, 4100), kYellow);
        // The label is above the swatch, so its brown text is seen.
        auto *client = book->windows.window(WindowId::Form6)->client();
        QWidget *label = find(WindowId::Form6, "Label4");
        QCOMPARE(client->childAt(label->geometry().center()), label);
    }

    void legendLetterCells_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        QTest::newRow("B") << "Label6" << QColor(0x00, 0xFF, 0xFF);
        QTest::newRow("A") << "Label7" << kYellow;
        QTest::newRow("S") << "Label8" << QColor(0xFF, 0x00, 0x00);
    }
    void legendLetterCells() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        QVERIFY(visit(WindowId::Form6));
        QWidget *cell = find(WindowId::Form6, qPrintable(name));
        // Opaque, edged with a single black line.
        QCOMPARE(pixel(cell, QPoint(2, cell->height() - 3)), background);
        QCOMPARE(pixel(cell, QPoint(0, cell->height() / 2)), QColor(Qt::black));
        QCOMPARE(pixel(cell, QPoint(cell->width() / 2, 0)), QColor(Qt::black));
        QCOMPARE(pixel(cell, QPoint(cell->width() - 1, cell->height() - 1)), QColor(Qt::black));
    }

    void legendSwatchesChangeNothing() {
        // The table window keeps its element while the legend is open.
        activate("Form1.KEPT");
        activate("Form2.cmdH");
        activate("Form2.Apz");
        HandbookWindow *legend = book->windows.window(WindowId::Form6);
        QVERIFY(legend && legend->isVisible());
        const QImage before = legend->client()->grab().toImage();
        for (const char *name : {"CommandButton1", "CommandButton2", "CommandButton3",
                                 "CommandButton4", "CommandButton5"}) {
            auto *swatch = find<DesignButton>(WindowId::Form6, name);
            QTest::mousePress(swatch, Qt::LeftButton);
            QVERIFY(swatch->isDown()); // the pressed look
            QTest::mouseRelease(swatch, Qt::LeftButton);
            Handbook::settle();
            QVERIFY(!book->ended);
            QCOMPARE(book->windows.window(WindowId::Form6), legend);
            QVERIFY(legend->isVisible());
            QVERIFY(!book->windows.window(WindowId::Form2)->isVisible());
        }
        // Nothing on the page changed but where the focus is.
        find(WindowId::Form6, "Command1")->setFocus();
        QCOMPARE(legend->client()->grab().toImage(), before);

        activate("Form6.Command1");
        QVERIFY(!book->windows.exists(WindowId::Form6));
        QCOMPARE(find<QLineEdit>(WindowId::Form2, "Text1")->text(), QStringLiteral("Ūdeņradis"));
    }

    // ---- Pictures ----------------------------------------------------------

    void pictures_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("picture");
        QTest::newRow("about") << 12 << QRect(480, 600, 480, 480)
                               << int(pictures::Picture::FlaskAtom);
        QTest::newRow("biography")
            << 7 << QRect(600, 480, 480, 480) << int(pictures::Picture::Portrait);
    }
    void pictures() {
        QFETCH(int, form);
        QFETCH(QRect, rect);
        QFETCH(int, picture);
        QVERIFY(visit(WindowId(form)));
        auto *image = dynamic_cast<PictureView *>(find(WindowId(form), "Image1"));
        QVERIFY(image);
        QCOMPARE(int(image->picture()), picture);
        QCOMPARE(image->geometry(),
                 (Twips{rect.x(), rect.y(), rect.width(), rect.height()}.toPixels()));
        // The picture is drawn: its middle is not the bare background.
        HandbookWindow *window = book->windows.window(WindowId(form));
        QWidget *client = window->client();
        QImage withPicture = client->grab(image->geometry()).toImage();
        image->hide();
        QImage without = client->grab(image->geometry()).toImage();
        QVERIFY(withPicture != without);
    }

    // ---- The two text boxes ------------------------------------------------

    void textBoxes_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("help") << 11 << QRect(120, 1080, 6375, 6015) << shown(pages::kHelpText);
        QTest::newRow("biography")
            << 7 << QRect(120, 1080, 6855, 6015) << shown(pages::kBiographyText);
    }
    void textBoxes() {
        QFETCH(int, form);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        QVERIFY(visit(WindowId(form)));
        QPlainTextEdit *box = textBox(WindowId(form));
        QVERIFY(box);
        QCOMPARE(box->geometry(),
                 (Twips{rect.x(), rect.y(), rect.width(), rect.height()}.toPixels()));
        QCOMPARE(box->toPlainText(), text);
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->font().pixelSize(), pixels(12));
        QVERIFY(!box->font().bold());
        // Black on white, with a vertical scroll bar only.
        QCOMPARE(pixel(box->viewport(), QPoint(box->viewport()->width() - 2, 2)),
                 QColor(Qt::white));
        QVERIFY(showsColour(box->viewport(), Qt::black, 30));
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        // The back button, not the text, holds the focus when the page opens.
        QCOMPARE(QApplication::focusWidget(), find(WindowId(form), "Command1"));
    }

    // A line wraps in the box only when it is wider than the box.
    void textBoxesWrapOnlyLongLines_data() { textBoxes_data(); }
    void textBoxesWrapOnlyLongLines() {
        QFETCH(int, form);
        QVERIFY(visit(WindowId(form)));
        QPlainTextEdit *box = textBox(WindowId(form));
        const qreal room = box->viewport()->width() - 2 * box->document()->documentMargin();
        const QFontMetricsF metrics(box->font());
        int wrapped = 0;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            box->document()->documentLayout()->blockBoundingRect(block); // lays it out
            // Blanks at the end of a line never make it wrap.
            QString line = block.text();
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            const qreal width = metrics.horizontalAdvance(line);
            const int lines = block.layout()->lineCount();
            if (width < room - 4)
                QVERIFY2(lines <= 1, qPrintable(block.text()));
            else if (width > room + 4)
                QVERIFY2(lines > 1, qPrintable(block.text()));
            wrapped += lines > 1;
        }
        // The help text is broken by hand to fit its box; the biography's
        // paragraphs are single lines that the box wraps.
        if (WindowId(form) == WindowId::Form11)
            QCOMPARE(wrapped, 0);
        else
            QVERIFY(wrapped > 0);
    }

    void textBoxesCannotBeChanged_data() { textBoxes_data(); }
    void textBoxesCannotBeChanged() {
        QFETCH(int, form);
        QFETCH(QString, text);
        QVERIFY(visit(WindowId(form)));
        QPlainTextEdit *box = textBox(WindowId(form));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QApplication::clipboard()->setText(QStringLiteral("ielīmēts"));
        // Letters, Latvian letters, Enter, Backspace, Delete, Tab, paste, cut,
        // undo.
        typeText(box, QStringLiteral("abc ĀČĒ\r\b\x7f\t\x16\x18\x1a"));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->toPlainText(), text);
        QCOMPARE(box->document()->isModified(), false);
    }

    // Each visit opens at the top of the text: the page is made anew.
    void textBoxesOpenAtTheTop_data() { textBoxes_data(); }
    void textBoxesOpenAtTheTop() {
        QFETCH(int, form);
        const auto page = WindowId(form);
        QVERIFY(visit(page));
        QPointer<QPlainTextEdit> box = textBox(page);
        QScrollBar *bar = box->verticalScrollBar();
        // Scroll down as a user would: the scroll bar's lower arrow, page by page.
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          QPoint(bar->width() / 2, bar->height() - bar->height() / 4));
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          QPoint(bar->width() / 2, bar->height() - bar->height() / 4));
        QVERIFY(bar->value() > 0);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());

        activate(QStringLiteral("Form%1.Command1").arg(form));
        Handbook::settle();
        QVERIFY(box.isNull());
        QVERIFY(book->windows.window(WindowId::Form2)->isVisible());

        // Again from the table window's menu.
        QVERIFY(visit(page));
        QPlainTextEdit *again = textBox(page);
        QVERIFY(again);
        QCOMPARE(again->verticalScrollBar()->value(), 0);
        QCOMPARE(again->textCursor().position(), 0);
        QCOMPARE(again->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
    }

    // ---- The help text -----------------------------------------------------

    void helpTextForm() {
        QVERIFY(visit(WindowId::Form11));
        const QString text = textBox(WindowId::Form11)->toPlainText();
        QVERIFY(text.endsWith(QLatin1Char('\n')));
        QVERIFY(!text.endsWith(QLatin1String("\n\n")));
        QVERIFY(text.contains(QLatin1String("10^(")));
        const QStringList lines = linesOf(text);

        QStringList headings;
        for (int i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            QVERIFY2(line.size() <= 71, qPrintable(line));
            if (line.isEmpty()) {
                // Exactly two empty lines, and only between sections.
                const bool first = i > 0 && !lines[i - 1].isEmpty();
                const bool pairs =
                    first ? i + 1 < lines.size() && lines[i + 1].isEmpty()
                          : i >= 2 && lines[i - 1].isEmpty() && !lines[i - 2].isEmpty();
                QVERIFY2(pairs, qPrintable(QStringLiteral("empty line %1").arg(i + 1)));
                continue;
            }
            const bool startsSection = i == 0 || (lines[i - 1].isEmpty() && lines[i - 2].isEmpty());
            if (startsSection) {
                QCOMPARE(line, line.toUpper());
                QVERIFY2(!line.startsWith(QLatin1Char(' ')), qPrintable(line));
                headings << line;
                // A paragraph follows its heading.
                QVERIFY2(lines[i + 1].startsWith(QLatin1String("   ")) &&
                             lines[i + 1][3] != QLatin1Char(' '),
                         qPrintable(lines[i + 1]));
                continue;
            }
            // A paragraph opens with three blanks, a list item with two blanks,
            // an asterisk and a blank; other lines start at the margin.
            static const QRegularExpression form(QStringLiteral("^(   \\S|  \\* \\S|\\S)"));
            QVERIFY2(form.match(line).hasMatch(), qPrintable(line));
        }
        QStringList expected;
        for (const char *heading : kHelpHeadings)
            expected << QString::fromUtf8(heading);
        QCOMPARE(headings, expected);

        // The symbol's four meanings are a list of four items.
        const int symbolEnd = lines.indexOf(expected[1]);
        int items = 0;
        for (int i = 0; i < symbolEnd; ++i)
            items += lines[i].startsWith(QLatin1String("  * "));
        QCOMPARE(items, 4);
    }

    // ---- The biography text ------------------------------------------------

    void biographyForm() {
        QVERIFY(visit(WindowId::Form7));
        QPlainTextEdit *box = textBox(WindowId::Form7);
        const QString text = box->toPlainText();
        QVERIFY(text.endsWith(QLatin1Char('\n')));
        const QStringList lines = linesOf(text);
        // Eight paragraphs, each one line indented by four blanks, ending in a
        // full stop, and nothing after them.
        QCOMPARE(lines.size(), 8);
        static const QRegularExpression paragraph(QStringLiteral("^    \\S.*\\.$"));
        for (const QString &line : lines)
            QVERIFY2(paragraph.match(line).hasMatch(), qPrintable(line));
        QVERIFY(text.contains(QLatin1String("1869")));
        QVERIFY(text.contains(QLatin1String("101")));
        // Every paragraph is wider than the box and wraps in it.
        for (QTextBlock block = box->document()->begin(); block.blockNumber() < 8;
             block = block.next()) {
            box->document()->documentLayout()->blockBoundingRect(block);
            QVERIFY(block.layout()->lineCount() > 1);
        }
    }

    // The biography is the handbook's own text, not a quotation: no quotation
    // marks around it, no elision, no source line; what it quotes inside
    // stands in Latvian marks, and it names element 101 as the table does.
    void biographyMarksAndNames() {
        QVERIFY(visit(WindowId::Form7));
        const QString text = textBox(WindowId::Form7)->toPlainText();
        QVERIFY(!text.contains(QLatin1Char('"')));
        QVERIFY(!text.contains(QLatin1String("[..]")));
        QVERIFY(!text.contains(QLatin1String("Vielnis")));
        QVERIFY(text.count(QStringLiteral("„")) > 0);
        QCOMPARE(text.count(QStringLiteral("„")), text.count(QStringLiteral("”")));
        // Element 101 by the table's name, in the accusative.
        const std::string_view stored = catalogue::findElement("Md")->name;
        const QString name = QString::fromUtf8(stored.data(), qsizetype(stored.size()));
        QCOMPARE(name, QStringLiteral("Mendeļejevijs"));
        QVERIFY(text.contains(QStringLiteral("par ") + name.toLower().chopped(1) + 'u'));
    }

    // The help text's prose uses Latvian quotation marks and the minus sign.
    void helpTypography() {
        QVERIFY(visit(WindowId::Form11));
        const QString text = textBox(WindowId::Form11)->toPlainText();
        QVERIFY(!text.contains(QLatin1Char('"')));
        QVERIFY(text.count(QStringLiteral("„")) > 0);
        QCOMPARE(text.count(QStringLiteral("„")), text.count(QStringLiteral("”")));
        // A hyphen before a digit would be a minus sign written as a hyphen.
        static const QRegularExpression hyphenMinus(QStringLiteral("(^|[\\s(])-\\d"));
        QVERIFY2(!hyphenMinus.match(text).hasMatch(),
                 qPrintable(hyphenMinus.match(text).captured()));
    }

    // ---- The about page ----------------------------------------------------

    void aboutDescription() {
        QVERIFY(visit(WindowId::Form12));
        const QString text = find<QLabel>(WindowId::Form12, "Label4")->text();
        const QString first = QString::fromUtf8(
            "Programma \"Vielnis 1.2\" paredzēta kā palīglīdzeklis skolotājiem darbā un "
            "skolēniem, apgūstot ķīmijas zināšanas. ");
        const QString second = QString::fromUtf8(
            "Atsauksmes par programmu un ziņas par problēmām, kas radās, strādājot ar to, var "
            "sūtīt pa e-pastu pēc adreses ");
        QCOMPARE(text.left(first.size()), first);
        QCOMPARE(text.mid(first.size(), second.size()), second);
        static const QRegularExpression address(QStringLiteral("^[\\w.-]+@[\\w-]+(\\.[\\w-]+)+$"));
        QVERIFY2(address.match(text.mid(first.size() + second.size())).hasMatch(),
                 qPrintable(text));
        // The whole description fits its label.
        auto *label = find<QLabel>(WindowId::Form12, "Label4");
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    // ---- The authors page --------------------------------------------------

    // Runs of blanks push each part of a details text onto a line of its own.
    void authorsDetailsLines_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("parts");
        QTest::newRow("Label5") << "Label5" << 3;
        QTest::newRow("Label2") << "Label2" << 2;
        QTest::newRow("Label3") << "Label3" << 2;
    }
    void authorsDetailsLines() {
        QFETCH(QString, name);
        QFETCH(int, parts);
        QVERIFY(visit(WindowId::Form4));
        auto *label = find<QLabel>(WindowId::Form4, qPrintable(name));
        const QString text = label->text();
        static const QRegularExpression run(QStringLiteral(" {2,}"));
        const QStringList expected = text.split(run);
        QCOMPARE(expected.size(), parts);

        // Lay the text out as the label does.
        QTextLayout layout(text, label->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList shownLines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            shownLines << text.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        QCOMPARE(shownLines, expected);
        // And all of them fit the label.
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    // Each author's surname on the authors page is spelt as on the start
    // window's copyright line.
    void authorsAsOnTheStartWindow() {
        const QString notice = find<QLabel>(WindowId::Form1, "Label4")->text();
        QVERIFY(visit(WindowId::Form4));
        for (const char *name : {"Label4", "Label1"}) {
            const QString author = find<QLabel>(WindowId::Form4, name)->text();
            const QString surname = author.section(QLatin1Char(' '), -1);
            const QString initial = author.left(1) + QStringLiteral(". ");
            QVERIFY2(notice.contains(initial + surname), qPrintable(author + " / " + notice));
        }
    }

    // ---- Buttons of every page ---------------------------------------------

    void buttons_data() {
        QTest::addColumn<int>("form");
        for (const Route &route : kRoutes)
            QTest::addRow("Form%d", int(route.page)) << int(route.page);
    }
    void buttons() {
        QFETCH(int, form);
        const auto page = WindowId(form);
        const Route &route = routeTo(page);
        const WindowLook &look = lookOf(page);
        QVERIFY(look.back);

        // The back button holds the focus and leads back, destroying the page.
        HandbookWindow *window = visit(page);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString::fromUtf8(look.caption));
        QCOMPARE(window->client()->size(), pxSize(look.widthTwips, look.heightTwips));
        QWidget *back = find(page, look.back->name);
        QCOMPARE(QApplication::focusWidget(), back);
        QCOMPARE(static_cast<QAbstractButton *>(back)->text(), QStringLiteral("<~"));
        click(back);
        QVERIFY(!book->windows.exists(page));
        QCOMPARE(route.backTarget, look.back->target);
        QVERIFY(book->windows.window(route.backTarget)->isVisible());

        // "-" minimises only the page.
        window = visit(page);
        QVERIFY(window);
        auto *minimise = find<QAbstractButton>(page, look.minimiseName);
        QCOMPARE(minimise->text(), QStringLiteral("-"));
        click(minimise);
        QVERIFY(window->isMinimized());
        QVERIFY(!book->ended);
        QCOMPARE(book->windows.window(page), window);

        // "x" ends the handbook.
        auto *exit = find<QAbstractButton>(page, look.exitName);
        QCOMPARE(exit->text(), QStringLiteral("x"));
        click(exit);
        QVERIFY(book->ended);
    }
};

VIELNIS_TEST_MAIN(PagesTest)

#include "pages_test.moc"
