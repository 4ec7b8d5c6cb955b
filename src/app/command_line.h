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

// Opens the handbook at the zoom asked for: the start window, or, for an
// element, the table window as a click on the start window's table entry and
// then on the element's button leaves it.
void startHandbook(WindowSet &windows, const StartRequest &request);

} // namespace vielnis
