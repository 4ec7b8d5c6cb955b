// Printing the periodic table and the solubility table: one page of drawn
// text and lines under the window's title, read back from a PDF file with
// pdftotext (poppler-utils); Ctrl+P opens Qt's print dialog.

#include "fixture.h"

#include "catalogue/element_table.h"
#include "solubility/solubility_data.h"
#include "solubility/solubility_window.h"
#include "table/table_window.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

// A word of the printed page and where it stands, in points.
struct Word {
    QString text;
    QRectF box;
};

struct Page {
    int pages = 0;
    QSizeF size;
    QList<Word> words;
    QString raw; // the text in the order it was drawn
    QByteArray pdf;

    QStringList texts() const {
        QStringList all;
        for (const Word &word : words)
            all << word.text;
        return all;
    }
};

QString run(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Reads back a printed PDF file.
Page readPdf(const QString &path) {
    Page page;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        page.pdf = file.readAll();
    page.raw = run({QStringLiteral("-raw"), path, QStringLiteral("-")});
    page.pages = int(page.raw.count(QLatin1Char('\f')));
    const QString boxes = run({QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression pageSize(
        QStringLiteral(R"x(<page width="([\d.]+)" height="([\d.]+)")x"));
    if (const auto match = pageSize.match(boxes); match.hasMatch())
        page.size = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
    static const QRegularExpression word(QStringLiteral(
        R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto match = it.next();
        QString text = match.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        page.words.append(
            {text, QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                          QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
    }
    return page;
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// An ion as the printed page writes it: body, then charge with a real minus.
QString printed(const solubility::IonFormula &formula) {
    return QString::fromLatin1(formula.body) +
           QString::fromLatin1(formula.charge).replace(QLatin1Char('-'), QChar(0x2212));
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Handbook> book;
    QTemporaryDir scratch;

    // Prints the window's table to a PDF file, as the print dialog's "print
    // to file" does, and reads the file back.
    template <typename Window> Page print(WindowId id) {
        auto *window = static_cast<Window *>(book->open(id));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = scratch.filePath(window->objectName() + QStringLiteral(".pdf"));
        printer.setOutputFileName(path);
        window->printTable(printer);
        return readPdf(path);
    }

    // One page, drawn (no picture in it), every word on the page.
    static void checkPage(const Page &page) {
        QCOMPARE(page.pages, 1);
        QVERIFY(!page.pdf.contains("/Subtype /Image"));
        QVERIFY(!page.words.isEmpty());
        const QRectF paper(QPointF(0, 0), page.size);
        for (const Word &word : page.words)
            QVERIFY2(paper.contains(word.box), qPrintable(word.text));
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/install-deps installs poppler-utils");
        QVERIFY(scratch.isValid());
    }
    void init() { book = std::make_unique<Handbook>(); }
    void cleanup() {
        book.reset();
        Handbook::settle();
    }

    void periodicTable() {
        const Page page = print<TableWindow>(WindowId::Form2);
        checkPage(page);
        const QStringList words = page.texts();
        for (const catalogue::ElementRecord &record : catalogue::elementTable())
            QVERIFY2(words.contains(qs(record.symbol)), record.symbol.data());
        // The window's title heads the page, above the table.
        QVERIFY(page.raw.startsWith(QStringLiteral("Ķīmisko elementu periodiskā tabula\n")));
        for (const char *label : {"IA", "VIIIB", "VIIIA", "Lantanoīdi", "Aktinoīdi"})
            QVERIFY2(words.contains(QString::fromUtf8(label)), label);
        // Scaled to fit: the table spans most of the page's width.
        qreal left = page.size.width(), right = 0;
        for (const Word &word : page.words)
            left = std::min(left, word.box.left()), right = std::max(right, word.box.right());
        QVERIFY2(right - left > page.size.width() * 0.7,
                 qPrintable(QStringLiteral("%1 of %2").arg(right - left).arg(page.size.width())));
    }

    void solubilityTable() {
        const Page page = print<SolubilityWindow>(WindowId::Form9);
        checkPage(page);
        QVERIFY(page.raw.startsWith(QStringLiteral("Vielu šķīdība ūdenī\n")));
        QString drawn = page.raw;
        drawn.remove(QRegularExpression(QStringLiteral("\\s")));
        for (const solubility::Cation &cation : solubility::cations())
            QVERIFY2(drawn.contains(printed(cation.formula)), cation.formula.body);
        for (const solubility::Anion &anion : solubility::anions())
            QVERIFY2(drawn.contains(printed(anion.formula)), anion.formula.body);

        // The legend's seven sentences, below the lowest ion of the table.
        QString lines = page.raw;
        lines.replace(QLatin1Char('\n'), QLatin1Char(' '));
        qreal tableBottom = 0;
        for (const Word &word : page.words)
            for (const solubility::Cation &cation : solubility::cations())
                if (word.text.startsWith(QString::fromLatin1(cation.formula.body).left(2)))
                    tableBottom = std::max(tableBottom, word.box.bottom());
        for (const solubility::LegendRow &row : solubility::kLegendRows) {
            const QString meaning = QString::fromUtf8(solubility::kMarks[row.mark].meaning);
            QVERIFY2(lines.simplified().contains(meaning.simplified()), qPrintable(meaning));
        }
        for (const Word &word : page.words)
            if (word.text == QStringLiteral("šķīstoša"))
                QVERIFY(word.box.top() > tableBottom);
    }

    // Ctrl+P opens Qt's print dialog, in Latvian, over the window.
    void dialog_data() {
        QTest::addColumn<int>("form");
        QTest::newRow("periodic table") << int(WindowId::Form2);
        QTest::newRow("solubility table") << int(WindowId::Form9);
    }
    void dialog() {
        QFETCH(int, form);
        HandbookWindow *window = book->open(WindowId(form));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QString title;
        QWidget *parent = nullptr;
        QTimer::singleShot(0, this, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                parent = dialog->parentWidget();
                dialog->reject();
            }
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(title, QStringLiteral("Drukāt"));
        QCOMPARE(parent, window);
        QVERIFY(window->isVisible());
    }
};

VIELNIS_TEST_MAIN(PrintTest)
#include "print_test.moc"
