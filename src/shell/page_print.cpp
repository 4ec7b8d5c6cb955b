#include "shell/page_print.h"

#include "shell/design_fonts.h"
#include "shell/design_palette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QWidget>

namespace vielnis {

const QColor kPrintInk = palette::kBlack;

namespace {
constexpr qreal kTitlePoints = 18;
} // namespace

bool printPage(QPrinter &printer, const QString &title, const QRectF &area,
               const TableDrawing &draw) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal dpi = printer.resolution();
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());

    QFont titleFont = designFont({Face::Serif, kTitlePoints, true});
    titleFont.setPixelSize(qRound(kTitlePoints * dpi / 72));
    painter.setFont(titleFont);
    painter.setPen(kPrintInk);
    const qreal titleHeight = QFontMetricsF(titleFont, &printer).height();
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                     Qt::AlignHCenter | Qt::AlignTop, title);

    const qreal gap = dpi / 4;
    const QRectF rest = page.adjusted(0, titleHeight + gap, 0, 0);
    const qreal scale = std::min(rest.width() / area.width(), rest.height() / area.height());
    painter.translate(rest.left() + (rest.width() - area.width() * scale) / 2, rest.top());
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    draw(painter);
    return painter.end();
}

void addPrintShortcut(QWidget *window, QPageLayout::Orientation orientation,
                      std::function<void(QPrinter &printer)> print) {
    auto *shortcut = new QShortcut(QKeySequence::Print, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [window, orientation, print] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(window->windowTitle());
        printer.setPageOrientation(orientation);
        QPrintDialog dialog(&printer, window);
        if (dialog.exec() == QDialog::Accepted)
            print(printer);
    });
}

} // namespace vielnis
