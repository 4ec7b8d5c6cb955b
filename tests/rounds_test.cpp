// Round after round through every window and back: nothing may pile up.
// Built with the sanitizers, LeakSanitizer checks at the end that the rounds
// left no leak behind.
//
//     VIELNIS_ROUNDS=<n> rounds_test

#include "fixture.h"

#include <QAction>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

// One round: every window opened from its parent and left again, the way a
// pupil clicks through the handbook.
const char *const kRound[] = {
    "Form1.KEPT",    "Form2.cmdH",       "Form2.Apz",     "Form6.Command1",
    "Form2.cmdC",    "Form2.cmdDMendeļejevsItem",         "Form7.Command1",
    "Form2.cmdAutorItm", "Form4.Command1", "Form2.cmdhelp", "Form11.Command1",
    "Form2.cmdIziet", "Form1.KEPT",      "Form2.CmdPreview", "Form1.MAR",
    "Form3.Ag",      "Form3.CmdExit",    "Form1.NER",     "Form5.eAs",
    "Form5.CmdExit", "Form1.SAR",        "Form8.CmdExit", "Form1.VSU",
    "Form9.Command2", "Form10.Command1",  "Form9.Command1", "Form1.PAR",
    "Form12.cmd_back",
};

} // namespace

class RoundsTest : public QObject {
    Q_OBJECT

    void activate(Handbook &book, const QString &step) {
        const int dot = step.indexOf('.');
        const auto id = WindowId(step.mid(4, dot - 4).toInt());
        const QString name = step.mid(dot + 1);
        HandbookWindow *window = book.windows.window(id);
        QVERIFY2(window && window->isVisible(), qPrintable(step));
        if (auto *action = window->findChild<QAction *>(name)) {
            action->trigger();
        } else {
            QWidget *control = window->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(step));
            QTest::mouseClick(control, Qt::LeftButton);
        }
        Handbook::settle();
    }

private slots:
    void everyWindowAndBack() {
        const int rounds = qEnvironmentVariableIsSet("VIELNIS_ROUNDS")
                               ? qEnvironmentVariableIntValue("VIELNIS_ROUNDS")
                               : 1000;
        Handbook book;
        book.open(WindowId::Form1);
        for (int round = 0; round < rounds; ++round) {
            for (const char *step : kRound) {
                activate(book, QString::fromUtf8(step));
                if (QTest::currentTestFailed())
                    return;
            }
        }
        // Back where it started: the start window alone.
        QVERIFY(book.windows.window(WindowId::Form1)->isVisible());
        for (int n = 2; n <= kWindowCount; ++n)
            QVERIFY(!book.windows.exists(WindowId(n)));
        int handbookWindows = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            handbookWindows += qobject_cast<HandbookWindow *>(widget) != nullptr;
        QCOMPARE(handbookWindows, 1);
    }
};

VIELNIS_TEST_MAIN(RoundsTest)
#include "rounds_test.moc"
