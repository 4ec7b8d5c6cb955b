// Round after round through every window and back: nothing may pile up.
// Built with the sanitizers, LeakSanitizer checks at the end that the rounds
// left no leak behind.
//
//     VIELNIS_ROUNDS=<n> rounds_test

#include "fixture.h"
#include "tour.h"

using namespace vielnis;
using namespace vielnis::testing;

class RoundsTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowAndBack() {
        const int rounds = qEnvironmentVariableIsSet("VIELNIS_ROUNDS")
                               ? qEnvironmentVariableIntValue("VIELNIS_ROUNDS")
                               : 1000;
        Handbook book;
        book.open(WindowId::Form1);
        for (int round = 0; round < rounds; ++round) {
            for (const char *step : kTour)
                QVERIFY2(takeStep(book.windows, QString::fromUtf8(step)), step);
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
