#include "solubility/solubility_window.h"

#include "resources/pictures.h"
#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/design_palette.h"
#include "shell/page_print.h"
#include "shell/zoom.h"
#include "solubility/header_image.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>

namespace vielnis {

using namespace solubility;

namespace {

const LabelSpec kTitle{"lblnos",
                       "SKĀBJU, BĀZU UN SĀĻU ŠĶĪDĪBA ŪDENĪ",
                       {840, 240, 8175, 495},
                       {Face::Serif, 20.25, true},
                       palette::kGreen};

} // namespace

SolubilityWindow::SolubilityWindow(WindowSet &windows) : HandbookWindow(WindowId::Form9, windows) {
    makeLabel(client(), kTitle);
    buildHeaders();
    buildCells();
    DesignButton *legend = addLegendButton("Command2");
    connect(legend, &QPushButton::clicked, this, [this] { forwardAndDestroy(WindowId::Form10); });
    connect(client(), &ClientArea::backgroundMouseMove, this, &SolubilityWindow::ClearHeaderFrames);
    setTabOrderOfControls(legend);
    addPrintShortcut(this, QPageLayout::Portrait,
                     [this](QPrinter &printer) { printTable(printer); });
}

void SolubilityWindow::buildHeaders() {
    for (int column = 0; column < kColumns; ++column) {
        const Anion &anion = anions()[std::size_t(column)];
        m_anionImages[std::size_t(column)] =
            new HeaderImage(client(), anion.key, anion.formula, anionImageRect(column));
        m_anionImages[std::size_t(column)]->setAccessibleName(ionDescription(anion.formula, false));
    }
    for (int row = 0; row < kRows; ++row) {
        const Cation &cation = cations()[std::size_t(row)];
        m_leftImages[std::size_t(row)] =
            new HeaderImage(client(), cation.leftImage, cation.formula, leftImageRect(row));
        m_rightImages[std::size_t(row)] =
            new HeaderImage(client(), cation.rightImage, cation.formula, rightImageRect(row));
        for (HeaderImage *image : {m_leftImages[std::size_t(row)], m_rightImages[std::size_t(row)]})
            image->setAccessibleName(ionDescription(cation.formula, true));
    }
}

void SolubilityWindow::buildCells() {
    const QFont font = designFont(kMarkFont);
    const QCursor hand = pictures::cursor(pictures::Cursor::PointingHand);
    // Row by row, so where two rows overlap the lower row's cell lies on top.
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const Mark &mark = cellMark(row, column);
            auto *cell = new DesignButton(client());
            cell->setObjectName(cellName(row, column));
            cell->setGeometry(cellRect(row, column).toPixels());
            cell->setFaceColour(QColor::fromRgb(mark.cellColour));
            cell->setText(QString::fromUtf8(mark.caption));
            cell->setFont(font);
            cell->setAccessibleName(cellDescription(row, column));
            cell->setCursor(hand);
            cell->setMouseTracking(true);
            // The face does not change under the pointer, so entering and
            // leaving a cell need not repaint it.
            cell->ensurePolished();
            cell->setAttribute(Qt::WA_Hover, false);
            // A cell reacts to the pointer only; a click shows the pressed look
            // and does nothing.
            connect(cell, &DesignButton::mouseMoved, this,
                    [this, row, column] { cellMouseMove(row, column); });
            cell->installEventFilter(this); // the arrow keys and the focus
            m_cells[std::size_t(row)][std::size_t(column)] = cell;
            m_cellPlaces.insert(cell, {row, column});
        }
}

void SolubilityWindow::setTabOrderOfControls(DesignButton *legend) {
    // The cells row by row come first, then the buttons: back (Command1),
    // legend (Command2), minimise (Command3) and exit (Command4). The first
    // cell holds the focus when the window opens.
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const auto &cells : m_cells)
        for (DesignButton *cell : cells)
            chain(cell);
    for (DesignButton *button : {backButton(), legend, minimiseButton(), exitButton()})
        chain(button);
    m_cells[0][0]->setFocus();
}

QList<HeaderImage *> SolubilityWindow::headerImages() const {
    QList<HeaderImage *> images(m_anionImages.begin(), m_anionImages.end());
    for (std::size_t row = 0; row < std::size_t(kRows); ++row)
        images << m_leftImages[row] << m_rightImages[row];
    return images;
}

void SolubilityWindow::ClearHeaderFrames() {
    for (HeaderImage *image : m_anionImages)
        image->setFramed(false);
    for (int row = 0; row < kRows; ++row) {
        m_leftImages[std::size_t(row)]->setFramed(false);
        m_rightImages[std::size_t(row)]->setFramed(false);
    }
}

bool SolubilityWindow::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn)
        return HandbookWindow::eventFilter(watched, event);
    const auto place = m_cellPlaces.constFind(watched);
    if (place == m_cellPlaces.cend())
        return HandbookWindow::eventFilter(watched, event);
    const auto [row, column] = *place;
    if (type == QEvent::FocusIn) {
        // Reached by the keyboard: the same frames as pointing. The focus the
        // window opens with frames nothing, and a click comes with the
        // pointer's own frames.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            cellMouseMove(row, column);
        return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        cellArrow(row, column, key->key());
        return true;
    default:
        return false;
    }
}

void SolubilityWindow::cellArrow(int row, int column, int key) {
    switch (key) {
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, kRows - 1);
        break;
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    default:
        column = std::min(column + 1, kColumns - 1);
        break;
    }
    DesignButton *next = m_cells[std::size_t(row)][std::size_t(column)];
    if (!next->hasFocus())
        next->setFocus(Qt::TabFocusReason);
}

void SolubilityWindow::cellMouseMove(int row, int column) {
    ClearHeaderFrames();
    m_anionImages[std::size_t(column)]->setFramed(true);
    m_leftImages[std::size_t(row)]->setFramed(true);
    m_rightImages[std::size_t(row)]->setFramed(true);
}

void SolubilityWindow::printTable(QPrinter &printer) const {
    // The page is laid out at the design's size whatever the window's zoom.
    const qreal zoom = zoomOf(this);
    auto designPlace = [zoom](const QWidget *widget) {
        const QRectF place(widget->geometry());
        return QRectF(place.topLeft() / zoom, place.size() / zoom);
    };
    QRectF table;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            table |= QRectF(cellRect(row, column).toPixels());
    const QList<HeaderImage *> images = headerImages();
    for (const HeaderImage *image : images)
        table |= designPlace(image);

    // The legend's rows below the table, laid out as in the legend window.
    const qreal legendTop = table.bottom() + px(kLegendRowPitch);
    auto legendRow = [&](std::size_t n, int left, int width) {
        return QRectF(table.left() + px(left - kLegendSwatchLeft),
                      legendTop + px(kLegendRowPitch) * qreal(n), px(width), px(kLegendRowHeight));
    };
    QRectF area = table;
    for (std::size_t n = 0; n < kLegendRows.size(); ++n)
        area |= legendRow(n, kLegendTextLeft, kLegendRows[n].labelWidth);

    printPage(printer, windowTitle(), area.adjusted(-2, -2, 2, 2), [&](QPainter &painter) {
        const QPen edge(kPrintInk, 0.75);
        auto swatch = [&](const QRectF &face, QRgb colour, const char *caption, bool bold) {
            painter.fillRect(face, QColor::fromRgb(colour));
            painter.setPen(edge);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(face);
            FontSpec font = kMarkFont;
            font.bold = bold;
            painter.setFont(designFont(font));
            painter.setPen(kPrintInk);
            painter.drawText(face, Qt::AlignCenter, QString::fromUtf8(caption));
        };
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const Mark &mark = cellMark(row, column);
                swatch(QRectF(cellRect(row, column).toPixels()), mark.cellColour, mark.caption,
                       kMarkFont.bold);
            }
        for (const HeaderImage *image : images)
            FormulaPicture(image->formula())
                .drawAsText(painter, designPlace(image).adjusted(1, 1, -1, -1), kPrintInk);
        for (std::size_t n = 0; n < kLegendRows.size(); ++n) {
            const LegendRow &row = kLegendRows[n];
            const Mark &mark = kMarks[row.mark];
            swatch(legendRow(n, kLegendSwatchLeft, kLegendSwatchWidth), row.colour, mark.caption,
                   row.boldMark);
            painter.setFont(designFont(kLegendTextFont));
            painter.drawText(legendRow(n, kLegendTextLeft, row.labelWidth),
                             Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(mark.meaning));
        }
    });
}

} // namespace vielnis
