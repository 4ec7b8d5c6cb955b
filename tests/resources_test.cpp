// What the build embeds in the program really loads: the fonts, the bubble
// photographs and Qt's Latvian texts. They sit in static libraries, where a
// missing registration fails silently: text would fall back to a system
// font and the windows would show no photograph.

#include "resources/pictures.h"
#include "shell/application.h"
#include "shell/design_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>
#include <QTest>

using namespace vielnis;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void embeddedFontsAreRegistered() {
        // The application's own fonts are numbered from 0 in the order they
        // were added: ours are the only ones this process adds. The heavy
        // face may name itself "Lato" as well, as one weight of its family.
        QSet<QString> families;
        for (int id = 0; id < 8; ++id)
            for (const QString &family : QFontDatabase::applicationFontFamilies(id))
                families.insert(family);
        const QString seen = families.values().join(QLatin1String(", "));
        QVERIFY2(families.contains(QStringLiteral("Liberation Serif")), qPrintable(seen));
        QVERIFY2(families.contains(QStringLiteral("Lato Black")), qPrintable(seen));
    }

    void designFontsUseThem_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("weight");
        QTest::newRow("serif") << int(Face::Serif) << false << QStringLiteral("Liberation Serif")
                               << int(QFont::Normal);
        QTest::newRow("serif bold")
            << int(Face::Serif) << true << QStringLiteral("Liberation Serif") << int(QFont::Bold);
        QTest::newRow("heavy") << int(Face::Heavy) << true << QStringLiteral("Lato")
                               << int(QFont::Black);
    }
    void designFontsUseThem() {
        QFETCH(int, face);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        QFETCH(int, weight);
        const QFontInfo shown(designFont({Face(face), 12, bold}));
        QVERIFY2(shown.family().startsWith(family), qPrintable(shown.family()));
        QCOMPARE(shown.weight(), weight);
    }

    void photographsAreEmbedded_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("size");
        using pictures::Picture;
        QTest::newRow("bubbles") << int(Picture::Bubbles) << 1.0 << QSize(739, 487);
        QTest::newRow("bubbles 200 %") << int(Picture::Bubbles) << 2.0 << QSize(1478, 974);
        QTest::newRow("large") << int(Picture::BubblesLarge) << 1.0 << QSize(836, 529);
        QTest::newRow("large 200 %") << int(Picture::BubblesLarge) << 2.0 << QSize(1672, 1058);
        // Zoomed windows on plain and dense screens: embedded or reduced
        // from the next larger copy, never enlarged.
        QTest::newRow("bubbles 125 %") << int(Picture::Bubbles) << 1.25 << QSize(924, 609);
        QTest::newRow("bubbles 250 %") << int(Picture::Bubbles) << 2.5 << QSize(1848, 1218);
        QTest::newRow("bubbles 300 %") << int(Picture::Bubbles) << 3.0 << QSize(2217, 1461);
        QTest::newRow("large 600 %") << int(Picture::BubblesLarge) << 6.0 << QSize(5016, 3174);
    }
    void photographsAreEmbedded() {
        QFETCH(int, picture);
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        const QImage image = pictures::backdrop(pictures::Picture(picture), ratio);
        QCOMPARE(image.size(), size);
        // A photograph, not an empty or one-coloured ground: the blue left
        // and the crimson right of the scene.
        const QColor left = image.pixelColor(size.width() / 20, size.height() / 10);
        const QColor right = image.pixelColor(size.width() * 19 / 20, size.height() / 10);
        QVERIFY2(left.blue() > left.red(), qPrintable(left.name()));
        QVERIFY2(right.red() > right.blue(), qPrintable(right.name()));
    }

    void qtTextsAreLatvian() {
        // A context menu's entry, as every text field offers it.
        QString copy = QCoreApplication::translate("QLineEdit", "&Copy");
        QVERIFY2(copy != QStringLiteral("&Copy"), qPrintable(copy));
        QCOMPARE(copy.remove(QLatin1Char('&')), QStringLiteral("Kopēt"));
    }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
