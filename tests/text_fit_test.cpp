// Every text the details panel of the table window shows must be wholly
// visible in its field. The suite runs once per display scale (ctest sets
// QT_SCALE_FACTOR to 1, 1.5 and 2), since the rasterised text is not equally
// wide at every scale, and once at 200 % zoom (VIELNIS_TEST_ZOOM), where the
// fonts are made at twice their size.

#include "fixture.h"

#include "catalogue/catalogue.h"
#include "catalogue/modifications.h"
#include "shell/zoom.h"
#include "table/field_box.h"
#include "table/modification_picker.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMap>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

// The one-line fields an element click or a modification writes.
const QStringList kLineFields = {"Text1",   "Text2",   "Text3",   "Text4",   "Text5",   "Text6",
                                 "Text7",   "Text8",   "Text9",   "Text10",  "Text11",  "Text12",
                                 "Text13",  "Text14",  "txtFru1", "txtFru2", "Pakape1", "Pakape2",
                                 "Pakape3", "Pakape4", "Pakape5", "Pakape6", "Apz1",    "Apz2",
                                 "Apz3",    "Apz4",    "Apz5",    "Apz6"};
const QStringList kModificationFields = {"Text4", "Text5", "Text6", "Text8", "txtFru2"};

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Lets the test ask a line edit for its style option, as its own paint does.
struct LineEditOption : QLineEdit {
    using QLineEdit::initStyleOption;
};

// Where a line edit may draw its text: the style's contents rectangle less the
// text margins (the field's edge lies outside it).
QRect textArea(const QLineEdit *edit) {
    QStyleOptionFrame option;
    (edit->*(&LineEditOption::initStyleOption))(&option);
    return edit->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
        .marginsRemoved(edit->textMargins());
}

// The width the text takes in the font, laid out on one line.
qreal naturalWidth(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.naturalTextWidth() : 0;
}

bool isInk(QRgb pixel, QRgb background) {
    return std::abs(qRed(pixel) - qRed(background)) + std::abs(qGreen(pixel) - qGreen(background)) +
               std::abs(qBlue(pixel) - qBlue(background)) >
           120;
}

// First and last columns of an image, from `from` up to `to`, that hold a
// pixel other than the background in the given rows; -1 where there is none.
std::pair<int, int> inkColumns(const QImage &image, QRgb background, int from, int to, int top,
                               int bottom) {
    int first = -1, last = -1;
    for (int x = from; x < to; ++x)
        for (int y = top; y < bottom; ++y)
            if (isInk(image.pixel(x, y), background)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;
    HandbookWindow *window = nullptr;

    template <typename T = QWidget> T *find(const QString &name) const {
        return book->find<T>(WindowId::Form2, name.toUtf8().constData());
    }
    void clickElement(const QString &symbol) { click(find("cmd" + symbol)); }

    // The text of a one-line field is wholly visible: it is no wider than
    // the field's text area, and whether the caret stands at its start or at
    // its end (the line edit scrolls to keep the caret in view), the field
    // shows all of the text's ink and none of it runs into the field's edge.
    QStringList problemsOfLine(QLineEdit *edit, const QString &what) {
        const QString text = edit->text();
        if (text.isEmpty())
            return {};
        const QRect area = textArea(edit);
        const qreal width = naturalWidth(text, edit->font());
        if (width > area.width())
            return {QStringLiteral("%1 \"%2\": %3 px in a text area of %4 px")
                        .arg(what, text)
                        .arg(width)
                        .arg(area.width())};

        // The same text drawn alone in the field's font and colours.
        const qreal ratio = window->devicePixelRatioF();
        const QRgb background = edit->palette().color(QPalette::Base).rgb();
        QImage alone(QSize(qCeil((width + 20) * ratio), qCeil(edit->height() * ratio)),
                     QImage::Format_RGB32);
        alone.setDevicePixelRatio(ratio);
        alone.fill(background);
        {
            QPainter painter(&alone);
            painter.setFont(edit->font());
            painter.setPen(edit->palette().color(QPalette::Text));
            painter.drawText(QPointF(10, QFontMetricsF(edit->font()).ascent() + 2), text);
        }
        const auto [aloneFirst, aloneLast] =
            inkColumns(alone, background, 0, alone.width(), 0, alone.height());
        const int inkWidth = aloneLast - aloneFirst;

        QStringList problems;
        const int keep = edit->cursorPosition();
        for (int caret : {0, int(text.size())}) {
            edit->setCursorPosition(caret);
            const QImage shown = edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int from = qCeil(area.left() * ratio);
            const int to = qFloor((area.right() + 1) * ratio);
            const auto [first, last] =
                inkColumns(shown, background, from, to, qCeil(area.top() * ratio),
                           qFloor((area.bottom() + 1) * ratio));
            if (first <= from || last >= to - 1 || last - first < inkWidth - 1)
                problems << QStringLiteral("%1 \"%2\" (caret at %3): ink in columns %4 to %5 of "
                                           "%6 to %7, %8 of %9 ink columns")
                                .arg(what, text)
                                .arg(caret)
                                .arg(first)
                                .arg(last)
                                .arg(from)
                                .arg(to - 1)
                                .arg(last - first + 1)
                                .arg(inkWidth + 1);
        }
        edit->setCursorPosition(keep);
        return problems;
    }

    // The name origin wraps within its field: no line wider than the field,
    // and all the lines within its height.
    QStringList problemsOfMemo(FieldMemo *memo, const QString &what) {
        const QString text = memo->text();
        if (text.isEmpty())
            return {};
        const int margin = memo->margin();
        const QRect area = memo->contentsRect().marginsRemoved({margin, margin, margin, margin});
        QTextLayout layout(text, memo->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        QStringList problems;
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            if (line.naturalTextWidth() > area.width())
                problems << QStringLiteral("%1 \"%2\": a line of %3 px in %4 px")
                                .arg(what, text)
                                .arg(line.naturalTextWidth())
                                .arg(area.width());
            height += line.height();
        }
        layout.endLayout();
        if (height > area.height() || memo->heightForWidth(memo->width()) > memo->height())
            problems << QStringLiteral("%1 \"%2\": %3 px of lines in %4 px")
                            .arg(what, text)
                            .arg(height)
                            .arg(area.height());
        return problems;
    }

    QStringList problemsOfPicker(const QString &what) {
        auto *picker = find<ModificationPicker>("Combo1");
        return problemsOfLine(picker->lineEdit(), what + " Combo1");
    }

private slots:
    void initTestCase() {
        // The zoom asked for (VIELNIS_TEST_ZOOM, in per cent) is the zoom the
        // window is laid out at.
        const int zoom = qEnvironmentVariableIsSet("VIELNIS_TEST_ZOOM")
                             ? qEnvironmentVariableIntValue("VIELNIS_TEST_ZOOM")
                             : 100;
        Zoom::instance().setPercent(zoom);
        book = std::make_unique<Handbook>();
        window = book->open(WindowId::Form2);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->zoomPercent(), zoom);
        // The scale asked for is the scale the window is drawn at.
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        QCOMPARE(window->devicePixelRatioF(), scale.isEmpty() ? 1.0 : scale.toDouble());
    }
    void cleanupTestCase() {
        book.reset();
        Handbook::settle();
    }

    void recordFields_data() {
        QTest::addColumn<QString>("symbol");
        for (const catalogue::ElementRecord &record : catalogue::elementTable())
            QTest::newRow(std::string(record.symbol).c_str()) << qs(record.symbol);
    }
    void recordFields() {
        QFETCH(QString, symbol);
        clickElement(symbol);
        QCOMPARE(find<QLineEdit>("txtFru1")->text(), symbol);
        QStringList problems;
        for (const QString &name : kLineFields) {
            auto *edit = find<QLineEdit>(name);
            QVERIFY2(edit, qPrintable(name));
            problems << problemsOfLine(edit, symbol + " " + name);
        }
        problems << problemsOfMemo(find<FieldMemo>("Text15"), symbol + " Text15");
        problems << problemsOfPicker(symbol);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // Only a text that would be cut is drawn tighter or smaller: the other
    // fields keep their design fonts, and the field's next text that fits is
    // drawn in its design font again.
    void onlyWideTextsAreFitted() {
        clickElement("Fe");
        QMap<QString, QFont> designed;
        for (const QString &name : kLineFields)
            designed[name] = find<QLineEdit>(name)->font();
        // The design's 16 pixels, at the zoom.
        const qreal zoom = window->zoomPercent() / 100.0;
        QCOMPARE(designed["Text13"].pixelSize(), qRound(16 * zoom));
        QVERIFY(designed["Text13"].bold());

        clickElement("Rn");
        auto *configuration = find<QLineEdit>("Text13");
        QCOMPARE(configuration->text(), QStringLiteral("[Xe] 4f(14) 5d(10) 6s(2) 6p(6)"));
        const QFont fitted = configuration->font();
        QVERIFY(fitted != designed["Text13"]);
        QCOMPARE(fitted.family(), designed["Text13"].family());
        QCOMPARE(fitted.bold(), designed["Text13"].bold());
        // Slightly: at most a few per cent tighter, or a pixel or two smaller.
        QVERIFY(fitted.pixelSize() >= qRound(14 * zoom));
        QVERIFY(naturalWidth(configuration->text(), fitted) >=
                0.92 * naturalWidth(configuration->text(), designed["Text13"]));
        for (const QString &name : kLineFields)
            if (name != "Text13")
                QVERIFY2(find<QLineEdit>(name)->font() == designed[name], qPrintable(name));

        clickElement("Fe");
        QVERIFY(configuration->font() == designed["Text13"]);
    }

    void modificationFields_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("name");
        for (const catalogue::ModificationRecord &modification : catalogue::modificationTable())
            QTest::newRow(qs(modification.name).toUtf8().constData())
                << qs(modification.element) << qs(modification.name);
    }
    void modificationFields() {
        QFETCH(QString, symbol);
        QFETCH(QString, name);
        clickElement(symbol);
        // Chosen from the picker's list, as a user chooses it.
        auto *picker = find<ModificationPicker>("Combo1");
        chooseFromList(picker, name);
        QCOMPARE(picker->value(), name);
        QStringList problems;
        for (const QString &field : kModificationFields)
            problems << problemsOfLine(find<QLineEdit>(field), name + " " + field);
        problems << problemsOfPicker(name);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }
};

VIELNIS_TEST_MAIN(TextFitTest)

#include "text_fit_test.moc"
