#pragma once

// A tour of the whole handbook: every window opened from its parent and left
// again, the way a pupil clicks through it, ending on the start window.

#include "shell/handbook_window.h"
#include "shell/window_set.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>

namespace vielnis::testing {

inline const char *const kTour[] = {
    "Form1.KEPT",      "Form2.cmdH",        "Form2.Apz",
    "Form6.Command1",  "Form2.cmdC",        "Form2.cmdDMendeļejevsItem",
    "Form7.Command1",  "Form2.cmdAutorItm", "Form4.Command1",
    "Form2.cmdhelp",   "Form11.Command1",   "Form2.cmdIziet",
    "Form1.KEPT",      "Form2.CmdPreview",  "Form1.MAR",
    "Form3.Ag",        "Form3.CmdExit",     "Form1.NER",
    "Form5.eAs",       "Form5.CmdExit",     "Form1.SAR",
    "Form8.CmdExit",   "Form1.VSU",         "Form9.Command2",
    "Form10.Command1", "Form9.Command1",    "Form1.PAR",
    "Form12.cmd_back",
};

// Clicks the control (or chooses the menu item) of a step "FormN.name" and
// lets deferred deletions run. False when the window or control is missing.
inline bool takeStep(WindowSet &windows, const QString &step) {
    const int dot = step.indexOf('.');
    HandbookWindow *window = windows.window(WindowId(step.mid(4, dot - 4).toInt()));
    if (!window || !window->isVisible())
        return false;
    const QString name = step.mid(dot + 1);
    if (auto *action = window->findChild<QAction *>(name)) {
        action->trigger();
    } else if (QWidget *control = window->findChild<QWidget *>(name)) {
        QTest::mouseClick(control, Qt::LeftButton);
    } else {
        return false;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return true;
}

} // namespace vielnis::testing
