#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace vielnis {

// Draws a window's table in the window's own pixels (a twip is 1/15 of one).
using TableDrawing = std::function<void(QPainter &painter)>;

// Prints one page: the title centred at its top and under it the part area of
// the drawing, scaled to fill the rest of the page and centred across. It is
// drawn, not copied from the screen, so it is sharp at any resolution. False
// if the printer could not start.
bool printPage(QPrinter &printer, const QString &title, const QRectF &area,
               const TableDrawing &draw);

// The ink of printed lines and letters where the window has colours made for
// its dark background.
extern const QColor kPrintInk;

// Ctrl+P on the window opens Qt's print dialog for a page of the given
// orientation, named after the window; print runs when the user accepts it.
void addPrintShortcut(QWidget *window, QPageLayout::Orientation orientation,
                      std::function<void(QPrinter &printer)> print);

} // namespace vielnis
