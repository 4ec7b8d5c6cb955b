// The handbook's zoom: every window laid out again in place at each step,
// every control at its design rectangle scaled, 100 % as before, the keys
// and the wheel, and the steps a screen leaves room for.
//
// CTest runs the suite on a large offscreen screen (offscreen-large.json), so
// that every window has room up to 300 %, and its small-screen cases again on
// an 800 x 600 one (offscreen-small.json).

#include "fixture.h"

#include "shell/focus_ring.h"
#include "shell/twips.h"
#include "shell/zoom.h"
#include "table/modification_picker.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

using namespace vielnis;
using namespace vielnis::testing;

namespace {

constexpr WindowId kAllWindows[] = {
    WindowId::Form1, WindowId::Form2,  WindowId::Form3,  WindowId::Form4,
    WindowId::Form5, WindowId::Form6,  WindowId::Form7,  WindowId::Form8,
    WindowId::Form9, WindowId::Form10, WindowId::Form11, WindowId::Form12,
};

QByteArray nameOf(WindowId id) {
    return "Form" + QByteArray::number(int(id));
}

// A control as the window shows it: its rectangle in the client area and
// its font's size.
struct Placed {
    QPointer<QWidget> widget;
    QRect rect;
    int fontPixels;
};

bool insideComposite(const QWidget *widget, const QWidget *client) {
    for (const QWidget *parent = widget->parentWidget(); parent && parent != client;
         parent = parent->parentWidget())
        if (qobject_cast<const QComboBox *>(parent) ||
            qobject_cast<const QAbstractScrollArea *>(parent) ||
            qobject_cast<const QAbstractSpinBox *>(parent) ||
            qobject_cast<const QLineEdit *>(parent))
            return true;
    return false;
}

// Every control the window's code places on its client area (the parts
// inside a combo box or a text box are the box's own).
QList<Placed> controlsOf(HandbookWindow *window) {
    QList<Placed> placed;
    ClientArea *client = window->client();
    for (QWidget *widget : client->findChildren<QWidget *>()) {
        if (widget->isWindow() || qobject_cast<FocusRing *>(widget) ||
            insideComposite(widget, client))
            continue;
        placed.push_back({widget, QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()),
                          QFontInfo(widget->font()).pixelSize()});
    }
    return placed;
}

QString describe(const QWidget *widget) {
    return QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                         QString::fromLatin1(widget->metaObject()->className()));
}

// How many pixels two pictures of the same size differ in.
int differingPixels(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return -1;
    int count = 0;
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            count += left.pixel(x, y) != right.pixel(x, y);
    return count;
}

void setZoom(int percent) {
    Zoom::instance().setPercent(percent);
    Handbook::settle();
}

void sendWheel(QWidget *widget, int degrees, Qt::KeyboardModifiers modifiers) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, degrees * 8), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    Handbook::settle();
}

// Chooses a menu item of a window, as the tour does.
void trigger(Handbook &book, WindowId id, const char *name) {
    auto *action = book.windows.window(id)->findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    action->trigger();
    Handbook::settle();
}

bool largeScreen() {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    return screen.width() >= 2400 && screen.height() >= 1600;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (!largeScreen() && QTest::currentTestFunction() != QByteArray("refusedOnSmallScreen") &&
            QTest::currentTestFunction() != QByteArray("largestStep"))
            QSKIP("needs the large offscreen screen");
        setZoom(100);
    }
    void cleanup() { setZoom(100); }

    // Every control at its design rectangle times the zoom, the client
    // area and the window with it, and the fonts at the zoomed size.
    void geometry_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("percent");
        for (WindowId id : kAllWindows)
            for (int percent : {150, 200}) {
                const QByteArray tag = nameOf(id) + " at " + QByteArray::number(percent) + " %";
                QTest::newRow(tag.constData()) << int(id) << percent;
            }
    }
    void geometry() {
        QFETCH(int, window);
        QFETCH(int, percent);
        Handbook book;
        HandbookWindow *shown = book.open(WindowId(window));
        QVERIFY(shown);
        QCOMPARE(shown->zoomPercent(), 100);
        const QList<Placed> design = controlsOf(shown);
        QVERIFY(design.size() >= 4);
        const QSize designClient = shown->client()->size();
        const QSize designWindow = shown->size();

        setZoom(percent);
        const qreal zoom = percent / 100.0;
        QCOMPARE(shown->zoomPercent(), percent);
        QCOMPARE(shown->client()->size(), zoomed(designClient, zoom));
        // The menu bar of the table window grows with its font, nearly so.
        QVERIFY2(std::abs(shown->width() - zoomed(designWindow.width(), zoom)) <= 1 &&
                     std::abs(shown->height() - zoomed(designWindow.height(), zoom)) <= 3,
                 qPrintable(QStringLiteral("%1 x %2").arg(shown->width()).arg(shown->height())));
        QStringList wrong;
        for (const Placed &control : design) {
            QWidget *widget = control.widget;
            QVERIFY(widget);
            const QRect want = zoomed(control.rect, zoom);
            const QRect now(widget->mapTo(shown->client(), QPoint(0, 0)), widget->size());
            if (std::abs(now.left() - want.left()) > 1 || std::abs(now.top() - want.top()) > 1 ||
                std::abs(now.width() - want.width()) > 1 ||
                std::abs(now.height() - want.height()) > 1)
                wrong << QStringLiteral("%1 at (%2, %3) %4 x %5, not (%6, %7) %8 x %9")
                             .arg(describe(widget))
                             .arg(now.left())
                             .arg(now.top())
                             .arg(now.width())
                             .arg(now.height())
                             .arg(want.left())
                             .arg(want.top())
                             .arg(want.width())
                             .arg(want.height());
            const int font = QFontInfo(widget->font()).pixelSize();
            if (std::abs(font - control.fontPixels * zoom) > 1)
                wrong << QStringLiteral("%1 font %2 px, not %3 px")
                             .arg(describe(widget))
                             .arg(font)
                             .arg(control.fontPixels * zoom);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // 100 % after 200 % is the design's window again, pixel for pixel, with
    // what it showed: an element and its modification, a chosen symbol, the
    // focus ring.
    void roundTrip_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("clicks");
        for (WindowId id : kAllWindows)
            QTest::newRow(nameOf(id).constData()) << int(id) << QStringList();
        QTest::newRow("Form2 with carbon") << int(WindowId::Form2) << QStringList{"cmdC"};
        QTest::newRow("Form2 with iron") << int(WindowId::Form2) << QStringList{"cmdFe"};
        QTest::newRow("Form3 with silver") << int(WindowId::Form3) << QStringList{"Ag"};
        QTest::newRow("Form5 with arsenic") << int(WindowId::Form5) << QStringList{"eAs"};
    }
    void roundTrip() {
        QFETCH(int, window);
        QFETCH(QStringList, clicks);
        Handbook book;
        HandbookWindow *shown = book.open(WindowId(window));
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        for (const QString &name : clicks)
            click(book.find(WindowId(window), name.toUtf8().constData()));
        QWidget *focus = shown->focusWidget();
        const QImage before = shown->grab().toImage();

        setZoom(200);
        QCOMPARE(shown->zoomPercent(), 200);
        // Painted at 200 % too, so that whatever it keeps is made afresh.
        QCOMPARE(shown->grab().toImage().size(), zoomed(before.size(), 2.0));
        setZoom(100);

        const QImage after = shown->grab().toImage();
        QCOMPARE(after.size(), before.size());
        const int differing = differingPixels(before, after);
        if (differing != 0) {
            before.save(QStringLiteral("zoom-before-%1.png").arg(window));
            after.save(QStringLiteral("zoom-after-%1.png").arg(window));
        }
        QCOMPARE(differing, 0);
        QCOMPARE(shown->focusWidget(), focus);
    }

    // What a window shows and where its focus is stay through a step.
    void stateKept() {
        Handbook book;
        HandbookWindow *table = book.open(WindowId::Form2);
        click(book.find(WindowId::Form2, "cmdC"));
        auto *picker = book.find<ModificationPicker>(WindowId::Form2, "Combo1");
        QVERIFY(picker && picker->entries().size() > 1);
        chooseFromList(picker, picker->entries().at(1));
        const QString value = picker->value();
        const QString name = book.find<QLineEdit>(WindowId::Form2, "Text1")->text();
        QWidget *focus = table->focusWidget();
        QVERIFY(!name.isEmpty());

        setZoom(175);
        QCOMPARE(picker->value(), value);
        QCOMPARE(picker->entries().at(1), value);
        QCOMPARE(book.find<QLineEdit>(WindowId::Form2, "Text1")->text(), name);
        QCOMPARE(table->focusWidget(), focus);
        // The focus ring lies on the focused control at the zoom.
        auto *ring = table->findChild<FocusRing *>();
        QVERIFY(ring);
        if (ring->target())
            QCOMPARE(ring->geometry(), QRect(ring->target()->mapTo(table->client(), QPoint(0, 0)),
                                             ring->target()->size()));

        // A page keeps its scroll position, as a share of its length.
        trigger(book, WindowId::Form2, "cmdhelp");
        HandbookWindow *help = book.windows.window(WindowId::Form11);
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->zoomPercent(), 175);
        auto *text = help->findChild<QPlainTextEdit *>();
        QVERIFY(text);
        QScrollBar *bar = text->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const qreal share = qreal(bar->value()) / bar->maximum();
        setZoom(125);
        QVERIFY2(std::abs(qreal(bar->value()) / bar->maximum() - share) < 0.1,
                 qPrintable(QStringLiteral("%1 of %2").arg(bar->value()).arg(bar->maximum())));

        // The table window hidden behind the page comes back at the new zoom.
        QCOMPARE(table->zoomPercent(), 125);
        click(book.find(WindowId::Form11, "Command1"));
        QVERIFY(table->isVisible());
        QCOMPARE(table->client()->size(), zoomed(pxSize(11640, 7470), 1.25));
        QCOMPARE(picker->value(), value);
    }

    // A window opened while the handbook is zoomed opens at the zoom,
    // centred on the screen.
    void opensAtZoom() {
        setZoom(200);
        Handbook book;
        for (WindowId id : kAllWindows) {
            HandbookWindow *window = book.open(id);
            QCOMPARE(window->zoomPercent(), 200);
            const QRect available = window->screen()->availableGeometry();
            QVERIFY(available.contains(window->frameGeometry()));
            QVERIFY((window->frameGeometry().center() - available.center()).manhattanLength() <= 2);
        }
    }

    // Every zoom key and the wheel with Ctrl, on every window, step by step.
    void keys_data() {
        QTest::addColumn<int>("window");
        for (WindowId id : kAllWindows)
            QTest::newRow(nameOf(id).constData()) << int(id);
    }
    void keys() {
        QFETCH(int, window);
        Handbook book;
        HandbookWindow *shown = book.open(WindowId(window));
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int percent;
        };
        const Step steps[] = {
            {Qt::Key_Plus, Qt::ControlModifier, 125},
            {Qt::Key_Equal, Qt::ControlModifier, 150},
            {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 175},
            {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 200},
            {Qt::Key_Plus, Qt::ControlModifier, 250},
            {Qt::Key_Plus, Qt::ControlModifier, 300},
            {Qt::Key_Plus, Qt::ControlModifier, 300}, // the last step
            {Qt::Key_Minus, Qt::ControlModifier, 250},
            {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, 200},
            {Qt::Key_0, Qt::ControlModifier, 100},
            {Qt::Key_Minus, Qt::ControlModifier, 100}, // none below the design
            {Qt::Key_Plus, Qt::NoModifier, 100},       // a plain key is no zoom
        };
        for (const Step &step : steps) {
            QWidget *target = shown->focusWidget() ? shown->focusWidget() : shown;
            QTest::keyClick(target, step.key, step.modifiers);
            Handbook::settle();
            QCOMPARE(Zoom::instance().percent(), step.percent);
            QCOMPARE(shown->zoomPercent(), step.percent);
        }
        // The wheel with Ctrl, over any control, a step a notch; without
        // Ctrl it is the control's.
        QWidget *under =
            shown->client()->childAt(shown->client()->width() / 2, shown->client()->height() / 2);
        if (!under)
            under = shown->client();
        sendWheel(under, 15, Qt::ControlModifier);
        QCOMPARE(shown->zoomPercent(), 125);
        sendWheel(under, 15, Qt::ControlModifier);
        QCOMPARE(shown->zoomPercent(), 150);
        sendWheel(under, -15, Qt::ControlModifier);
        QCOMPARE(shown->zoomPercent(), 125);
        sendWheel(under, -15, Qt::NoModifier);
        QCOMPARE(shown->zoomPercent(), 125);
    }

    // The steps the screen leaves room for: the window, frame included,
    // never larger than the available area.
    void largestStep_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("frame"); // the window manager's border on every side
        QTest::addColumn<int>("largest");
        auto row = [](WindowId id, QSize screen, int frame, int largest) {
            const QByteArray tag = nameOf(id) + " on " + QByteArray::number(screen.width()) + "x" +
                                   QByteArray::number(screen.height()) + " framed " +
                                   QByteArray::number(frame);
            QTest::newRow(tag.constData()) << int(id) << screen << frame << largest;
        };
        // The table window is 776 x 498 and its menu bar, the start window
        // 646 x 280, the solubility table 647 x 455, the metal series
        // (without a frame) 721 x 176, the authors' page 326 x 287.
        row(WindowId::Form2, {800, 600}, 0, 100);
        row(WindowId::Form2, {1024, 768}, 4, 125);
        row(WindowId::Form2, {1280, 1024}, 4, 150);
        row(WindowId::Form2, {1920, 1080}, 0, 200);
        row(WindowId::Form2, {1920, 1200}, 4, 200);
        row(WindowId::Form2, {3840, 2160}, 4, 300);
        row(WindowId::Form1, {800, 600}, 0, 100);
        row(WindowId::Form1, {1280, 1024}, 4, 175);
        row(WindowId::Form1, {1920, 1080}, 4, 250);
        row(WindowId::Form9, {1366, 768}, 4, 150);
        row(WindowId::Form3, {800, 600}, 0, 100);
        row(WindowId::Form3, {1920, 1080}, 0, 250);
        row(WindowId::Form4, {800, 600}, 6, 175);
        row(WindowId::Form4, {800, 600}, 0, 200);
    }
    void largestStep() {
        QFETCH(int, window);
        QFETCH(QSize, screen);
        QFETCH(int, frame);
        QFETCH(int, largest);
        Handbook book;
        HandbookWindow *shown = book.open(WindowId(window));
        const QMargins margins(frame, frame * 5, frame, frame); // a title bar on top
        QCOMPARE(shown->largestStepWithin(300, screen, margins), largest);
        QCOMPARE(shown->largestStepWithin(125, screen, margins), std::min(largest, 125));
    }

    // On an 800 x 600 screen: a step that does not
    // fit is refused and leaves the window as it was; a window opened while
    // the zoom is higher than it can take opens at the largest step that
    // fits.
    void refusedOnSmallScreen() {
        if (largeScreen())
            QSKIP("runs on the small offscreen screen");
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(800, 600));
        Handbook book;
        HandbookWindow *table = book.open(WindowId::Form2);
        const QRect place = table->frameGeometry();
        QTest::keyClick(table->focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
        Handbook::settle();
        QCOMPARE(Zoom::instance().percent(), 100);
        QCOMPARE(table->zoomPercent(), 100);
        QCOMPARE(table->frameGeometry(), place);

        // The authors' page is small: it goes up to 200 %.
        trigger(book, WindowId::Form2, "cmdAutorItm");
        HandbookWindow *authors = book.windows.window(WindowId::Form4);
        QVERIFY(authors && authors->isVisible());
        for (int step : {125, 150, 175, 200, 200}) {
            QTest::keyClick(authors->focusWidget() ? authors->focusWidget() : authors, Qt::Key_Plus,
                            Qt::ControlModifier);
            Handbook::settle();
            QCOMPARE(authors->zoomPercent(), step);
        }
        QCOMPARE(Zoom::instance().percent(), 200);
        QVERIFY(authors->screen()->availableGeometry().contains(authors->frameGeometry()));
        // The table window behind it cannot take 200 %: it stays at 100 %.
        QCOMPARE(table->zoomPercent(), 100);
        QCOMPARE(table->frameGeometry(), place);
        click(book.find(WindowId::Form4, "Command1"));
        QVERIFY(table->isVisible());
        QCOMPARE(table->zoomPercent(), 100);
    }
};

VIELNIS_TEST_MAIN(ZoomTest)
#include "zoom_test.moc"
