// Finding an element by typing: what a typed text names, and how the typed
// text builds up, is taken back and is forgotten after a pause. The time is
// the test's own clock; nothing sleeps.

#include "table/element_finder.h"

#include <QTest>

using namespace vielnis;

class ElementFinderTest : public QObject {
    Q_OBJECT

private slots:
    // keys: one character per key; '\b' is Backspace, '\x1b' Escape. Each
    // key comes 100 ms after the one before it, or 999 ms after it where '~'
    // stands between them, a whole second where '|' does.
    // shown: after each key, the symbol of the element that key leads to,
    // "" for none, "-" if the key is not the finder's (nothing was typed).
    void typing_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("shown");
        auto row = [](const char *keys, const char *shown) {
            QTest::newRow(keys) << QString::fromUtf8(keys)
                                << QString::fromUtf8(shown).split(QLatin1Char(' '));
        };
        auto rowNamed = [](const char *tag, const char *keys, const char *shown) {
            QTest::newRow(tag) << QString::fromUtf8(keys)
                               << QString::fromUtf8(shown).split(QLatin1Char(' '));
        };
        // Symbols in any letter case; the second letter makes a new symbol.
        row("fe", "F Fe");
        row("Fe", "F Fe");
        row("FE", "F Fe");
        row("cl", "C Cl");
        row("UUH", "U  Uuh");
        // Atomic numbers as their digits arrive; numbers of no element name none.
        row("2", "He");
        row("26", "He Fe");
        row("116", "H Na Uuh");
        row("113", "H Na ");
        row("115", "H Na ");
        row("117", "H Na ");
        row("118", "H Na ");
        row("119", "H Na ");
        row("1161", "H Na Uuh ");
        row("0", "");
        // Beginnings of names, with or without diacritics; the first in the
        // table's order where several begin alike.
        row("dzel", "Fe Fe Fe Fe");
        row("dzi", "Fe Fe Hg");
        row("udenr", "U H H H H");
        row("ūdeņr", "H H H H H");
        row("ŪDEŅR", "H H H H H");
        row("sker", "S O  ");
        row("bo", "B B");
        row("alv", "Al Al Sn");
        row("neod", "N Ne Ne Nd");
        row("1a", "H ");
        // A pause starts a new text; a shorter wait does not.
        rowNamed("c, a second, l", "c|l", "C Li");
        rowNamed("c, 999 ms, l", "c~l", "C Cl");
        rowNamed("f, a second, e", "f|e", "F Eu");
        // Backspace takes the last character back.
        rowNamed("cl backspace", "cl\b", "C Cl C");
        rowNamed("11 backspace", "11\b", "H Na H");
        rowNamed("c backspace backspace", "c\b\b", "C  -");
        rowNamed("backspace after a pause", "c|\b", "C -");
        rowNamed("backspace, nothing typed", "\b", "-");
        rowNamed("backspace keeps the text alive", "fe~\b~e", "F Fe F Fe");
        // Escape forgets the text.
        rowNamed("c escape l", "c\x1bl", "C  Li");
        rowNamed("escape, nothing typed", "\x1b", "-");
        rowNamed("escape after a pause", "c|\x1b", "C -");
    }
    void typing() {
        QFETCH(QString, keys);
        QFETCH(QStringList, shown);
        qint64 now = 5000;
        ElementFinder finder([&now] { return now; });
        QStringList seen;
        for (const QChar key : keys) {
            if (key == QLatin1Char('|')) {
                now += ElementFinder::kPauseMs - 100;
                continue;
            }
            if (key == QLatin1Char('~')) {
                now += ElementFinder::kPauseMs - 1 - 100;
                continue;
            }
            now += 100;
            auto symbolOf = [](const catalogue::ElementRecord *record) {
                return record ? QString::fromUtf8(record->symbol.data(),
                                                  qsizetype(record->symbol.size()))
                              : QString();
            };
            if (key == QLatin1Char('\b'))
                seen << (finder.takeBack() ? symbolOf(finder.match()) : QStringLiteral("-"));
            else if (key == QChar(0x1b))
                seen << (finder.clear() ? symbolOf(finder.match()) : QStringLiteral("-"));
            else {
                QVERIFY(ElementFinder::takes(key));
                seen << symbolOf(finder.type(key));
            }
        }
        QCOMPARE(seen, shown);
    }

    // What the finder leaves to the controls: blanks, punctuation, controls.
    void takesLettersAndDigitsOnly() {
        for (const QChar ch : QStringLiteral("aZ09ūŅ"))
            QVERIFY(ElementFinder::takes(ch));
        for (const QChar ch : QStringLiteral(" \t\r\n\b\x1b+-.,*"))
            QVERIFY2(!ElementFinder::takes(ch), qPrintable(QString::number(ch.unicode())));
    }

    // Whole names and symbols, as the command line gives them.
    void find_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number"); // 0: none
        QTest::newRow("symbol") << "Fe" << 26;
        QTest::newRow("lower-case symbol") << "uuq" << 114;
        QTest::newRow("number") << "116" << 116;
        QTest::newRow("empty place") << "113" << 0;
        QTest::newRow("name") << "Dzīvsudrabs" << 80;
        QTest::newRow("plain name") << "dzivsudrabs" << 80;
        QTest::newRow("unknown") << "sker" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blank") << " " << 0;
    }
    void find() {
        QFETCH(QString, text);
        QFETCH(int, number);
        const catalogue::ElementRecord *record = ElementFinder::find(text);
        QCOMPARE(record ? record->number : 0, number);
    }
};

QTEST_APPLESS_MAIN(ElementFinderTest)
#include "element_finder_test.moc"
