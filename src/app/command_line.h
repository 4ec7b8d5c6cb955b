#pragma once

#include "catalogue/element_record.h"

#include <QStringList>

class QTextStream;

namespace vielnis {

class WindowSet;

// What the command line asks for.
struct StartRequest {
    bool run = true;  // false: end at once with exitCode
    int exitCode = 0; // 0 after --help or --version, 2 after a wrong argument
    // The element to open the periodic table at, or nullptr for the start window.
    const catalogue::ElementRecord *element = nullptr;
    // The zoom every window opens at, in per cent: one of kZoomSteps.
    int zoom = 100;
};

// Reads the command line (the program's name first): "--help" and
// "--version" print to out; an unknown option or element, or a zoom that is
// not one of the steps, prints a Latvian error and the usage to err. An element is named as typing
// on the table window names it: symbol, atomic number or the beginning of its name.
StartRequest readCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

// Where the command line's answers go. On Windows the handbook is a GUI
// program with no console to print to, so --help, --version and a wrong
// argument answer in a message box there, once the application exists;
// elsewhere they are printed before any window or display is needed.
#ifdef Q_OS_WIN
inline constexpr bool kAnswersInMessageBox = true;
#else
inline constexpr bool kAnswersInMessageBox = false;
#endif

// Shows the command line's answer in a message box (a warning for a wrong
// argument) and returns when it is closed.
void showCommandLineAnswer(const QString &text, bool wrongArgument);

// Opens the handbook at the zoom asked for: the start window, or, for an
// element, the table window as a click on the start window's table entry and
// then on the element's button leaves it.
void startHandbook(WindowSet &windows, const StartRequest &request);

} // namespace vielnis
