// The command line: help, version, an element to open the table at, and
// wrong arguments, read in the test and given to the real program.

#include "fixture.h"

#include "app/command_line.h"
#include "table/modification_picker.h"

#include <QLineEdit>
#include <QProcess>
#include <QTextStream>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

const QString kUsage = QStringLiteral("Lietošana: ");

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program names itself.
        QCoreApplication::setApplicationName(QStringLiteral("Vielnis"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));
    }

    void read_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("runs");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("element"); // atomic number, 0 for none
        QTest::addColumn<QString>("out"); // what standard output starts with
        QTest::addColumn<QString>("err"); // what standard error starts with
        QTest::addColumn<int>("zoom");
        auto row = [](const char *tag, QStringList arguments, bool runs, int status, int element,
                      const char *out, const char *err, int zoom = 100) {
            arguments.prepend(QStringLiteral("vielnis"));
            QTest::newRow(tag) << arguments << runs << status << element << QString::fromUtf8(out)
                               << QString::fromUtf8(err) << zoom;
        };
        row("nothing", {}, true, 0, 0, "", "");
        row("help", {"--help"}, false, 0, 0, "Lietošana: ", "");
        row("short help", {"-h"}, false, 0, 0, "Lietošana: ", "");
        row("version", {"--version"}, false, 0, 0, "Vielnis 1.2\n", "");
        row("short version", {"-v"}, false, 0, 0, "Vielnis 1.2\n", "");
        row("symbol", {"Fe"}, true, 0, 26, "", "");
        row("lower-case symbol", {"uuh"}, true, 0, 116, "", "");
        row("number", {"11"}, true, 0, 11, "", "");
        row("name", {"Ūdeņradis"}, true, 0, 1, "", "");
        row("plain beginning of a name", {"udenr"}, true, 0, 1, "", "");
        row("unknown option", {"--drukat"}, false, 2, 0, "",
            "vielnis: nezināma opcija “--drukat”\n");
        row("unknown short option", {"-x"}, false, 2, 0, "", "vielnis: nezināma opcija “-x”\n");
        row("unknown element", {"sker"}, false, 2, 0, "",
            "vielnis: periodiskajā tabulā nav elementa “sker”\n");
        row("empty place", {"113"}, false, 2, 0, "",
            "vielnis: periodiskajā tabulā nav elementa “113”\n");
        row("two elements", {"Fe", "Na"}, false, 2, 0, "",
            "vielnis: var norādīt tikai vienu elementu\n");
        row("zoom", {"--zoom", "150"}, true, 0, 0, "", "", 150);
        row("zoom with its value joined, and an element", {"--zoom=200", "Fe"}, true, 0, 26, "", "",
            200);
        row("element before the zoom", {"Fe", "--zoom", "300"}, true, 0, 26, "", "", 300);
        row("zoom at the design's size", {"--zoom=100"}, true, 0, 0, "", "", 100);
        row("zoom below the design's size", {"--zoom", "90"}, false, 2, 0, "",
            "vielnis: palielinājums “90” nav atļauts: jābūt 100, 125, 150, 175, 200, 250 vai 300 "
            "procentiem\n");
        row("zoom between the steps", {"--zoom=160"}, false, 2, 0, "",
            "vielnis: palielinājums “160” nav atļauts: ");
        row("zoom not a number", {"--zoom", "abc"}, false, 2, 0, "",
            "vielnis: palielinājums “abc” nav atļauts: ");
        row("zoom with a percent sign", {"--zoom", "150%"}, false, 2, 0, "",
            "vielnis: palielinājums “150%” nav atļauts: ");
        row("zoom without its value", {"--zoom"}, false, 2, 0, "", "vielnis: ");
    }
    void read() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, runs);
        QFETCH(int, status);
        QFETCH(int, element);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, zoom);
        QString printed, complained;
        QTextStream outStream(&printed), errStream(&complained);
        const StartRequest request = readCommandLine(arguments, outStream, errStream);
        QCOMPARE(request.run, runs);
        QCOMPARE(request.zoom, zoom);
        QCOMPARE(request.exitCode, status);
        QCOMPARE(request.element ? request.element->number : 0, element);
        QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out), qPrintable(printed));
        QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.startsWith(err),
                 qPrintable(complained));
        // Help and errors show the options and the usage.
        if (arguments.value(1).startsWith(QLatin1String("-h")) ||
            arguments.value(1) == QLatin1String("--help") || status == 2) {
            const QString help = status == 2 ? complained : printed;
            QVERIFY(help.contains(kUsage));
            QVERIFY(help.contains(QStringLiteral(" [opcijas] [elements]\n")));
            QVERIFY(help.contains(QStringLiteral("--version")));
            QVERIFY(help.contains(QStringLiteral("--zoom <procenti>")));
            QVERIFY(help.contains(QStringLiteral("Opcijas:")));
        }
    }

    // An element on the command line leaves the handbook as a click on the
    // start window's table entry and then on the element's button does.
    void startAtElement_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("iron") << "fe"
                              << "Fe";
        QTest::newRow("carbon") << "ogleklis"
                                << "C";
    }
    void startAtElement() {
        QFETCH(QString, argument);
        QFETCH(QString, symbol);
        QString ignored;
        QTextStream out(&ignored), err(&ignored);
        const StartRequest request =
            readCommandLine({QStringLiteral("vielnis"), argument}, out, err);
        QVERIFY(request.element);

        Handbook started;
        startHandbook(started.windows, request);
        Handbook::settle();
        Handbook clicked;
        startHandbook(clicked.windows, {});
        click(clicked.find(WindowId::Form1, "KEPT"));
        click(clicked.find(WindowId::Form2, ("cmd" + symbol).toUtf8().constData()));

        for (Handbook *book : {&started, &clicked}) {
            QVERIFY(!book->windows.exists(WindowId::Form1));
            QVERIFY(book->windows.window(WindowId::Form2)->isVisible());
        }
        for (const char *field : {"Text1", "Text3", "Text4", "Text5", "Text8", "txtFru2"})
            QCOMPARE(started.find<QLineEdit>(WindowId::Form2, field)->text(),
                     clicked.find<QLineEdit>(WindowId::Form2, field)->text());
        auto *picker = started.find<ModificationPicker>(WindowId::Form2, "Combo1");
        auto *reference = clicked.find<ModificationPicker>(WindowId::Form2, "Combo1");
        QCOMPARE(picker->value(), reference->value());
        QCOMPARE(picker->entries(), reference->entries());
        QCOMPARE(picker->isLocked(), reference->isLocked());
        QCOMPARE(started.find(WindowId::Form2, ("cmd" + symbol).toUtf8().constData()),
                 started.windows.window(WindowId::Form2)->focusWidget());
    }

    // Without arguments the start window opens, alone.
    void startWindow() {
        Handbook book;
        startHandbook(book.windows, {});
        QVERIFY(book.windows.window(WindowId::Form1)->isVisible());
        QVERIFY(!book.windows.exists(WindowId::Form2));
    }

    // The real program, without a display: help, version and wrong arguments
    // are answered before any window could open.
    void program_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << kUsage << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Vielnis 1.2\n"
                                 << "";
        QTest::newRow("unknown option") << QStringList{"--xyz"} << 2 << ""
                                        << "vielnis: nezināma opcija “--xyz”\n";
        QTest::newRow("unknown element") << QStringList{"Zz"} << 2 << ""
                                         << "vielnis: periodiskajā tabulā nav elementa “Zz”\n";
        QTest::newRow("zoom below the steps") << QStringList{"--zoom", "90"} << 2 << ""
                                              << "vielnis: palielinājums “90” nav atļauts: ";
        QTest::newRow("zoom not a number") << QStringList{"--zoom", "abc"} << 2 << ""
                                           << "vielnis: palielinājums “abc” nav atļauts: ";
    }
    void program() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VIELNIS_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const QString printed = QString::fromUtf8(process.readAllStandardOutput());
        const QString complained = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out), qPrintable(printed));
        QVERIFY2(err.isEmpty() || complained.startsWith(err), qPrintable(complained));
        if (status == 2)
            QVERIFY(complained.contains(kUsage));
        else
            QVERIFY(complained.isEmpty());
    }
};

VIELNIS_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
