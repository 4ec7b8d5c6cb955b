#include "table/table_window.h"

#include "catalogue/modifications.h"
#include "resources/pictures.h"
#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/design_palette.h"
#include "shell/edges.h"
#include "shell/menu_alt_key.h"
#include "shell/page_print.h"
#include "shell/shared_texts.h"
#include "shell/twips.h"
#include "shell/window_keys.h"
#include "shell/window_set.h"
#include "shell/zoom.h"
#include "table/field_box.h"
#include "table/modification_picker.h"
#include "table/symbol_picture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

namespace vielnis {

namespace {

using catalogue::ElementRecord;
using Field = TableWindow::Field;

// The colours the window gives its parts.
const QColor &kFieldText = palette::kYellow;
const QColor &kLabelGreen = palette::kGreen;
const QColor &kHighlightedState = palette::kRed;
const QColor &kElementGroup = palette::kElementFields;
const QColor &kSubstanceGroup = palette::kSubstanceFields;
const QColor &kOxideEmpty = palette::kWhite;

const char *const kBoilingCaption = "Viršanas t°C";
const char *const kMeltingCaption = "Kušanas t°C";
const char *const kSublimationCaption = "Sublimācijas t°C";

// ---- Grid ----------------------------------------------------------------

constexpr int kButtonSize = 495;
constexpr int kPitch = 480;

enum class Block { S, P, D, F };

struct GridPlace {
    Twips rect;
    Block block;
};

// Column (1-18) and period (1-7) of the long-period table, or the two
// separate rows of lanthanides and actinides.
GridPlace gridPlace(int z) {
    auto main = [](int column, int period) {
        const Block block = column <= 2 ? Block::S : column <= 12 ? Block::D : Block::P;
        return GridPlace{
            {360 + kPitch * (column - 1), 1200 + kPitch * (period - 1), kButtonSize, kButtonSize},
            block};
    };
    auto row = [](int top, int offset) {
        return GridPlace{{2280 + kPitch * offset, top, kButtonSize, kButtonSize}, Block::F};
    };
    if (z == 1)
        return main(1, 1);
    if (z == 2)
        return GridPlace{main(18, 1).rect, Block::S};
    if (z <= 18) {
        const int period = z <= 10 ? 2 : 3;
        const int first = period == 2 ? 3 : 11;
        const int k = z - first; // 0..7
        return main(k < 2 ? k + 1 : k + 11, period);
    }
    if (z <= 36)
        return main(z - 18, 4);
    if (z <= 54)
        return main(z - 36, 5);
    if (z >= 58 && z <= 71)
        return row(4680, z - 58);
    if (z >= 90 && z <= 103)
        return row(5280, z - 90);
    if (z <= 57)
        return main(z - 54, 6);
    if (z <= 86)
        return main(z - 68, 6);
    if (z <= 89)
        return main(z - 86, 7);
    return main(z - 100, 7);
}

const QColor &blockColour(Block block) {
    switch (block) {
    case Block::S:
        return palette::kBlockS;
    case Block::P:
        return palette::kBlockP;
    case Block::D:
        return palette::kBlockD;
    case Block::F:
        return palette::kBlockF;
    }
    return palette::kBlack;
}

// ---- Title, period and group labels --------------------------------------

const FontSpec kGroupFont{Face::Serif, 9, true};
const FontSpec kPeriodFont{Face::Serif, 12, true};
const FontSpec kRowFont{Face::Serif, 14.25, true};
const FontSpec kRowPeriodFont{Face::Serif, 9.75, true};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

const LabelSpec kHeading{"Label10",
                         texts::kPeriodicTableHeading,
                         {1200, 120, 9495, 495},
                         {Face::Serif, 20.25, true},
                         kLabelGreen,
                         kCentred};

// The period and group labels around the grid.
const LabelSpec kGridLabels[] = {
    {"Label14", "1", {120, 1320, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label15", "2", {120, 1800, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label16", "3", {120, 2280, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label17", "4", {120, 2760, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label18", "5", {120, 3240, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label19", "6", {120, 3720, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label20", "7", {120, 4200, 255, 375}, kPeriodFont, kLabelGreen, kCentred},
    {"Label21", "IA", {360, 960, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label22", "IIA", {840, 1440, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label29", "IIIB", {1320, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label30", "IVB", {1800, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label31", "VB", {2280, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label32", "VIB", {2760, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label33", "VIIB", {3240, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label36", "VIIIB", {4080, 2280, 735, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label37", "IB", {5160, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label38", "IIB", {5640, 2400, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label23", "IIIA", {6120, 1440, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label24", "IVA", {6600, 1440, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label25", "VA", {7080, 1440, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label26", "VIA", {7560, 1440, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label27", "VIIA", {8040, 1440, 495, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label28", "VIIIA", {8400, 960, 735, 255}, kGroupFont, kLabelGreen, kCentred},
    {"Label1",
     "Lantanoīdi *",
     {360, 4800, 1695, 375},
     kRowFont,
     kLabelGreen,
     Qt::AlignLeft | Qt::AlignTop},
    {"Label2",
     "Aktinoīdi * *",
     {360, 5400, 1695, 375},
     kRowFont,
     kLabelGreen,
     Qt::AlignLeft | Qt::AlignTop},
    {"Label39", "6", {2040, 4800, 255, 375}, kRowPeriodFont, kLabelGreen, kCentred},
    {"Label40", "7", {2040, 5400, 255, 375}, kRowPeriodFont, kLabelGreen, kCentred},
};

// The bracket under "VIIIB": three one-pixel lines, in twips.
struct Line {
    const char *name;
    int x1, y1, x2, y2;
};
constexpr Line kBracket[] = {
    {"Line1", 3960, 2520, 4920, 2520},
    {"Line2", 4920, 2520, 4920, 2640},
    {"Line3", 3960, 2520, 3960, 2640},
};

// ---- Details panel --------------------------------------------------------

const FontSpec kCaptionFont{Face::Serif, 9.75};
const FontSpec kFieldFont{Face::Serif, 12, true};
const FontSpec kOriginFont{Face::Serif, 11.25};
const FontSpec kSubscriptFont{Face::Serif, 9.75, true};

struct CaptionSpec {
    const char *name;
    const char *text;
    Twips rect;
};

// A one-line field filled from the record, with its caption above it.
struct RecordField {
    Field field;
    std::string_view ElementRecord::*value;
    CaptionSpec caption;
    Twips rect;
    bool simpleSubstance;
};

const RecordField kRecordFields[] = {
    {Field::Name,
     &ElementRecord::name,
     {"Label3", "Elementa nosaukums", {1440, 840, 1815, 255}},
     {1395, 1080, 1815, 405},
     false},
    {Field::Number,
     nullptr,
     {"Label42", "Kārtas skaitlis", {3240, 840, 1215, 255}},
     {3240, 1080, 1215, 405},
     false},
    {Field::Mass,
     &ElementRecord::mass,
     {"Label5", "Atommasa", {4440, 840, 1575, 255}},
     {4485, 1080, 1575, 405},
     false},
    {Field::Configuration,
     &ElementRecord::configuration,
     {"Label35", "Elektronapvalka uzbūve", {2160, 1560, 3015, 255}},
     {2160, 1800, 3015, 405},
     false},
    {Field::Discovery,
     &ElementRecord::discovery,
     {"Label13", "Elementa atklāšanas gads", {9600, 2400, 1575, 495}},
     {9360, 2880, 2055, 405},
     false},
    {Field::Crust,
     &ElementRecord::crust,
     {"Label34", "Izplatība Zemes garozā, %", {9600, 3480, 1695, 495}},
     {9360, 3960, 2055, 405},
     false},
    {Field::Body,
     &ElementRecord::body,
     {"Label46", "Saturs cilvēka organismā, g/70 kg", {9600, 4560, 1695, 495}},
     {9360, 5040, 2055, 405},
     false},
    {Field::Electronegativity,
     &ElementRecord::electronegativity,
     {"Label41", "Relatīvā elektronegativitāte", {9720, 5640, 1695, 495}},
     {9720, 6120, 1695, 405},
     false},
    {Field::Radius,
     &ElementRecord::radius,
     {"Label12", "Atoma rādiuss, Å ¹", {9720, 6720, 1695, 255}},
     {9720, 6960, 1695, 405},
     false},
    {Field::Colour,
     &ElementRecord::colour,
     {"Label11", "Krāsa", {4080, 6000, 2655, 255}},
     {4080, 6240, 2655, 405},
     true},
    {Field::State,
     &ElementRecord::state,
     {"Label4", "Agregātstāvoklis", {360, 6720, 1455, 255}},
     {360, 6960, 1455, 405},
     true},
    {Field::Melting,
     &ElementRecord::melting,
     {"Label7", kMeltingCaption, {1920, 6720, 1455, 255}},
     {1920, 6960, 1455, 405},
     true},
    {Field::Boiling,
     &ElementRecord::boiling,
     {"Label6", kBoilingCaption, {3480, 6720, 1335, 255}},
     {3480, 6960, 1335, 405},
     true},
    {Field::Density,
     &ElementRecord::density,
     {"Label8", "Blīvums (293K) g/cm³", {4920, 6720, 1815, 255}},
     {4920, 6960, 1815, 405},
     true},
};

// The fields in the order of the keyboard, which copying keeps too: the
// element's before the name's origin and after it, then, after the oxidation
// block, the picker and the formula, the simple substance's.
constexpr Field kElementOrder[] = {Field::Name, Field::Number, Field::Mass, Field::Configuration};
constexpr Field kElementOrderAfterOrigin[] = {Field::Discovery, Field::Crust, Field::Body,
                                              Field::Electronegativity, Field::Radius};
constexpr Field kSubstanceOrder[] = {Field::Colour, Field::State, Field::Melting, Field::Boiling,
                                     Field::Density};

const CaptionSpec kOriginCaption{"Label47", "Elementa  nosaukuma izcelsme", {9600, 960, 1695, 495}};
constexpr Twips kOriginRect{9360, 1440, 2055, 930};
const CaptionSpec kStatesCaption{"Label9", "Oksidēšanās pakāpes", {7200, 5880, 2175, 255}};
const CaptionSpec kOxidesCaption{
    "Label43", "Oksīda un oksīda hidrāta raksturs", {7200, 6885, 2175, 495}};
const CaptionSpec kPickerCaption{"Label44", "Vienkāršās vielas nosaukums", {360, 6000, 2535, 255}};
const CaptionSpec kFormulaCaption{"Label45", "un formula", {2880, 6000, 1095, 255}};
constexpr Twips kPickerRect{360, 6240, 2535, 405};
constexpr Twips kFormulaRect{2880, 6240, 1095, 405};
constexpr Twips kSymbolRect{0, 0, 615, 375};        // inside the formula box
constexpr Twips kSubscriptRect{650, 120, 375, 315}; // inside the formula box
constexpr Twips kBackdropRect{7080, 5865, 2415, 1500};

Twips stateCell(int n) {
    return {7200 + 360 * (n - 1), 6120, 375, 405};
}
Twips oxideCell(int n) {
    return {7200 + 360 * (n - 1), 6480, 375, 405};
}

QLabel *makeCaption(QWidget *parent, const CaptionSpec &look) {
    return makeLabel(parent, {look.name, look.text, look.rect, kCaptionFont, kFieldText,
                              Qt::AlignHCenter | Qt::AlignTop, true});
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The field's accessible name is its caption, as a sighted reader sees it.
void nameByCaption(QLabel *caption, QWidget *field) {
    caption->setBuddy(field);
    field->setAccessibleName(caption->text());
}

// Sets a caption; the field under it is renamed with it.
void setCaption(QLabel *caption, const char *text) {
    const QString caption_ = QString::fromUtf8(text);
    if (caption->text() == caption_)
        return;
    caption->setText(caption_);
    if (QWidget *field = caption->buddy())
        field->setAccessibleName(caption_);
}

// Draws the window's green lines (the VIIIB bracket) under the controls.
class BracketLayer : public QWidget {
public:
    explicit BracketLayer(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("bracket"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(parent->rect());
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        const qreal zoom = zoomOf(this);
        if (zoom == 1.0) {
            painter.setPen(QPen(kLabelGreen, 1));
            for (const Line &line : kBracket)
                painter.drawLine(pxPoint(line.x1, line.y1), pxPoint(line.x2, line.y2));
            return;
        }
        // Lines of whole pixels, through the middle of the pixels they cover.
        const int width = zoomedLine(1, zoom);
        painter.setPen(QPen(kLabelGreen, width, Qt::SolidLine, Qt::SquareCap));
        const QPointF middle(width / 2.0, width / 2.0);
        for (const Line &line : kBracket)
            painter.drawLine(QPointF(zoomed(pxPoint(line.x1, line.y1), zoom)) + middle,
                             QPointF(zoomed(pxPoint(line.x2, line.y2), zoom)) + middle);
    }
};

// The maroon panel behind the oxidation block.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Image1"));
        setGeometry(kBackdropRect.toPixels());
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette::kMaroon);
        const qreal zoom = zoomOf(this);
        if (zoom == 1.0) {
            painter.setPen(palette::kBlack);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        } else {
            drawFrame(painter, rect(), palette::kBlack, palette::kBlack, zoomedLine(1, zoom));
        }
    }
};

} // namespace

TableWindow::TableWindow(WindowSet &windows) : HandbookWindow(WindowId::Form2, windows) {
    auto *bracket = new BracketLayer(client());
    bracket->lower();
    buildGrid();
    buildLabels();
    buildDetails();
    buildMenus();
    buildButtons();
    setTabOrderOfControls();
    field(Field::Name)->setFocus();
    setUpKeys();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isVisible() && isAncestorOf(now) && !qobject_cast<QMenuBar *>(now))
            m_lastFocus = now;
    });
}

bool TableWindow::event(QEvent *event) {
    // When a page opened from the menu by the keyboard, the window system
    // may hand the hidden window the activation for a moment, and Qt then
    // moves its focus on to the next control, since the focused one is not
    // shown. Shown again, the focus goes back to the control it left.
    if (event->type() == QEvent::WindowActivate && m_lastFocus && m_lastFocus->isVisibleTo(this) &&
        focusWidget() != m_lastFocus)
        m_lastFocus->setFocus(Qt::ActiveWindowFocusReason);
    return HandbookWindow::event(event);
}

void TableWindow::buildGrid() {
    m_elementButtons.reserve(catalogue::elementTable().size());
    for (const ElementRecord &record : catalogue::elementTable()) {
        const GridPlace place = gridPlace(record.number);
        auto *button = new DesignButton(client());
        const QString symbol = qs(record.symbol);
        button->setObjectName(QStringLiteral("cmd") + symbol);
        button->setGeometry(place.rect.toPixels());
        button->setFaceColour(record.nonmetal ? palette::kNonmetalFace : palette::kMetalFace);
        const QColor letters = blockColour(place.block);
        const int stars = record.rowMark;
        button->setPicture([symbol, letters, stars](QPainter &painter, const QRectF &target) {
            drawElementSymbol(painter, target, symbol, letters, stars);
        });
        button->setCursor(pictures::cursor(pictures::Cursor::PointingHand));
        // A screen reader names the element the picture shows.
        button->setAccessibleName(QStringLiteral("%1, %2, kārtas skaitlis %3")
                                      .arg(qs(record.name), symbol)
                                      .arg(record.number));
        connect(button, &QPushButton::clicked, this, [this, &record] { showElement(record); });
        button->installEventFilter(this); // arrow keys move through the table
        m_elementButtons.push_back(button);
    }
}

bool TableWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
            key == Qt::Key_Down) {
            if (DesignButton *next = neighbour(static_cast<DesignButton *>(watched), key))
                next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return HandbookWindow::eventFilter(watched, event);
}

DesignButton *TableWindow::neighbour(const DesignButton *from, int key) const {
    // The nearest button in that direction in the same row or column; where
    // there is none, the nearest one off it, sideways distance counting
    // three times.
    const QPoint origin = from->geometry().center();
    DesignButton *best = nullptr;
    int bestScore = 0;
    for (DesignButton *button : m_elementButtons) {
        if (button == from)
            continue;
        const QPoint d = button->geometry().center() - origin;
        int along = 0, across = 0;
        switch (key) {
        case Qt::Key_Right:
            along = d.x(), across = d.y();
            break;
        case Qt::Key_Left:
            along = -d.x(), across = d.y();
            break;
        case Qt::Key_Down:
            along = d.y(), across = d.x();
            break;
        default:
            along = -d.y(), across = d.x();
            break;
        }
        if (along <= 0)
            continue;
        const int offLine = 1 << 20;
        const int score = along + (across == 0 ? 0 : offLine + 3 * std::abs(across));
        if (!best || score < bestScore)
            best = button, bestScore = score;
    }
    return best;
}

void TableWindow::buildLabels() {
    makeLabel(client(), kHeading);
    for (const LabelSpec &look : kGridLabels)
        m_gridLabels << makeLabel(client(), look);
}

FieldBox *TableWindow::makeField(const char *name, const Twips &rect, const QColor &background) {
    auto *field = new FieldBox(client());
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(rect.toPixels());
    field->setDesignFont(designFont(kFieldFont));
    field->setAlignment(Qt::AlignCenter);
    field->setReadOnly(true);
    setFieldColours(field, background, kFieldText);
    return field;
}

void TableWindow::buildDetails() {
    // The maroon backdrop first, so the oxidation block lies on it.
    new Backdrop(client());

    for (const RecordField &look : kRecordFields) {
        const std::size_t at = std::size_t(look.field) - 1;
        m_fieldCaptions[at] = makeCaption(client(), look.caption);
        const QByteArray name = "Text" + QByteArray::number(int(look.field));
        m_fields[at] = makeField(name.constData(), look.rect,
                                 look.simpleSubstance ? kSubstanceGroup : kElementGroup);
        nameByCaption(m_fieldCaptions[at], m_fields[at]);
    }

    m_originCaption = makeCaption(client(), kOriginCaption);
    m_origin = new FieldMemo(client());
    m_origin->setObjectName(QStringLiteral("Text15"));
    nameByCaption(m_originCaption, m_origin);
    m_origin->setGeometry(kOriginRect.toPixels());
    m_origin->setFont(designFont(kOriginFont));
    setFieldColours(m_origin, kElementGroup, kFieldText);

    m_statesCaption = makeCaption(client(), kStatesCaption);
    m_oxidesCaption = makeCaption(client(), kOxidesCaption);
    for (int n = 1; n <= catalogue::kCellCount; ++n) {
        const QByteArray stateName = "Pakape" + QByteArray::number(n);
        FieldBox *state = makeField(stateName.constData(), stateCell(n), kElementGroup);
        state->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        state->setAccessibleName(QStringLiteral("Oksidēšanās pakāpe %1").arg(n));
        m_states[std::size_t(n - 1)] = state;
        const QByteArray oxideName = "Apz" + QByteArray::number(n);
        FieldBox *oxide = makeField(oxideName.constData(), oxideCell(n), kOxideEmpty);
        setFieldColours(oxide, kOxideEmpty, palette::kBlack);
        oxide->setAccessibleName(QStringLiteral("Oksīda un oksīda hidrāta raksturs %1").arg(n));
        m_oxides[std::size_t(n - 1)] = oxide;
    }

    m_pickerCaption = makeCaption(client(), kPickerCaption);
    m_picker = new ModificationPicker(client());
    m_picker->setObjectName(QStringLiteral("Combo1"));
    nameByCaption(m_pickerCaption, m_picker);
    m_picker->setGeometry(kPickerRect.toPixels());
    m_picker->setFont(designFont(kFieldFont));
    setFieldColours(m_picker, kSubstanceGroup, kFieldText);
    connect(m_picker, &ModificationPicker::valueChanged, this, &TableWindow::dispatchModification);

    m_formulaCaption = makeCaption(client(), kFormulaCaption);
    auto *formula = new QFrame(client());
    formula->setObjectName(QStringLiteral("Picture1"));
    formula->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    formula->setLineWidth(2);
    formula->setGeometry(kFormulaRect.toPixels());
    formula->setAutoFillBackground(true);
    QPalette formulaPalette = formula->palette();
    formulaPalette.setColor(QPalette::Window, kSubstanceGroup);
    formula->setPalette(formulaPalette);
    formula->setCursor(Qt::ArrowCursor);
    const QPoint inside(formula->frameWidth(), formula->frameWidth());

    m_symbol = new FieldBox(formula, false);
    m_symbol->setObjectName(QStringLiteral("txtFru1"));
    m_symbol->setGeometry(kSymbolRect.toPixels().translated(inside));
    m_symbol->setDesignFont(designFont(kFieldFont));
    m_symbol->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_symbol->setAccessibleName(QStringLiteral("Formula: simbols"));
    setFieldColours(m_symbol, kSubstanceGroup, kFieldText);

    m_subscript = new FieldBox(formula, false);
    m_subscript->setObjectName(QStringLiteral("txtFru2"));
    m_subscript->setGeometry(kSubscriptRect.toPixels().translated(inside));
    m_subscript->setDesignFont(designFont(kSubscriptFont));
    m_subscript->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_subscript->setAccessibleName(QStringLiteral("Formula: indekss"));
    setFieldColours(m_subscript, kSubstanceGroup, kFieldText);
}

void TableWindow::buildMenus() {
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    frameLayout()->setMenuBar(bar);

    struct Item {
        const char *name;
        QString caption; // empty: a separator
        std::function<void()> command;
        QKeySequence shortcut = {};
    };
    auto addMenu = [this, bar](const char *name, const char *caption,
                               const std::vector<Item> &items) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(name));
        menu->menuAction()->setObjectName(QString::fromUtf8(name));
        new MenuAltKey(menu);
        for (const Item &item : items) {
            QAction *action =
                item.caption.isEmpty() ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(QString::fromUtf8(item.name));
            if (!item.shortcut.isEmpty()) {
                action->setShortcut(item.shortcut);
                action->setShortcutContext(Qt::WindowShortcut);
                addAction(action); // Ctrl+Q works while the menu is closed
            }
            if (item.command)
                connect(action, &QAction::triggered, this, item.command);
        }
    };
    WindowSet &set = windows();
    const auto text = [](const char *utf8) { return QString::fromUtf8(utf8); };
    addMenu("cmdKomandaImt", "&Komanda",
            {{"cmdIziet", text(texts::kBack), [this] { forwardAndKeep(WindowId::Form1); }},
             {"cmd_MinImt", text(texts::kMinimise), [&set] { set.minimise(WindowId::Form2); }},
             {"mnu1", {}, {}},
             {"cmdIzietImt", texts::withAccessKey(texts::kExit, 3), [&set] { set.end(); },
              QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    addMenu(
        "cmdZiņasItm", "&Ziņas",
        {{"cmdApzimejumiImt", text(texts::kLegend), [this] { forwardAndKeep(WindowId::Form6); }},
         {"mnu3", {}, {}},
         {"cmdDMendeļejevsItem", text(texts::kBiography),
          [this] { forwardAndKeep(WindowId::Form7); }},
         {"mnu2", {}, {}},
         {"cmdAutorItm", text(texts::kAuthors), [this] { forwardAndKeep(WindowId::Form4); }},
         {"cmdhelp", texts::withAccessKey(texts::kHelp, 2),
          [this] { forwardAndKeep(WindowId::Form11); }}});
}

void TableWindow::buildButtons() {
    m_legend = addLegendButton("Apz");
    connect(m_legend, &QPushButton::clicked, this, [this] { forwardAndKeep(WindowId::Form6); });
}

void TableWindow::setTabOrderOfControls() {
    // Text1 first, so it holds the focus when the window opens; then the rest
    // of the details panel, the element buttons and the window's buttons.
    QList<QWidget *> order;
    for (Field which : kElementOrder)
        order << field(which);
    order << m_origin;
    for (Field which : kElementOrderAfterOrigin)
        order << field(which);
    for (FieldBox *state : m_states)
        order << state;
    for (FieldBox *oxide : m_oxides)
        order << oxide;
    order << m_picker << m_symbol << m_subscript;
    for (Field which : kSubstanceOrder)
        order << field(which);
    for (DesignButton *button : m_elementButtons)
        order << button;
    // The window's buttons as they stand: back, legend, minimise, exit.
    const QList<QWidget *> buttons = {backButton(), m_legend, minimiseButton(), exitButton()};
    for (QWidget *button : buttons)
        if (button)
            order << button;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TableWindow::ClearDetails() {
    m_shown = nullptr;
    // 1. Empty the text fields, the formula and the oxidation states.
    for (FieldBox *box : m_fields)
        box->setText(QString());
    m_origin->setText(QString());
    m_symbol->setText(QString());
    m_subscript->setText(QString());
    for (FieldBox *state : m_states)
        state->setText(QString());
    // 2. Oxidation-state text back to yellow.
    for (FieldBox *state : m_states)
        state->setTextColour(kFieldText);
    // 3., 4. Oxide-character cells empty and white.
    for (FieldBox *oxide : m_oxides) {
        oxide->setText(QString());
        oxide->setAccessibleDescription(QString());
    }
    for (FieldBox *oxide : m_oxides)
        oxide->setBackground(kOxideEmpty);
    // 5. Melting and boiling rows visible.
    field(Field::Boiling)->setVisible(true);
    caption(Field::Boiling)->setVisible(true);
    field(Field::Melting)->setVisible(true);
    caption(Field::Melting)->setVisible(true);
    // 6. Their design captions.
    setCaption(caption(Field::Melting), kMeltingCaption);
    setCaption(caption(Field::Boiling), kBoilingCaption);
    // 7. The picker empty and locked; emptying its value runs the dispatch.
    m_picker->clearList();
    m_picker->setValue(QString());
    m_picker->setDropButtonShown(false);
    m_picker->setLocked(true);
    m_picker->setCustomPointer(false);
}

void TableWindow::EnablePicker() {
    m_picker->setDropButtonShown(true);
    m_picker->setLocked(false);
    m_picker->setCustomPointer(true);
}

void TableWindow::ResetModificationFields() {
    for (Field which : {Field::Boiling, Field::Melting, Field::Density, Field::Colour})
        field(which)->setText(QString());
    m_subscript->setText(QString());
    field(Field::Melting)->setVisible(true);
    caption(Field::Melting)->setVisible(true);
    field(Field::Boiling)->setVisible(true);
    caption(Field::Boiling)->setVisible(true);
    setCaption(caption(Field::Boiling), kBoilingCaption);
    setCaption(caption(Field::Melting), kMeltingCaption);
}

void TableWindow::showElement(const ElementRecord &record) {
    // 1. Empty the panel.
    ClearDetails();
    // 2. Elements with modifications get a choosable picker.
    if (record.picker == catalogue::PickerMode::Modifications)
        EnablePicker();
    m_shown = &record;

    // 3. Every field the record gives.
    for (const RecordField &look : kRecordFields) {
        const QString text = look.value ? qs(record.*look.value) : QString::number(record.number);
        if (!text.isEmpty())
            field(look.field)->setText(text);
    }
    if (!record.nameOrigin.empty())
        m_origin->setText(qs(record.nameOrigin));
    m_symbol->setText(qs(record.symbol));
    if (!record.subscript.empty())
        m_subscript->setText(qs(record.subscript));
    const auto states = catalogue::oxidationCells(record);
    for (std::size_t i = 0; i < states.size(); ++i)
        if (!states[i].text.empty())
            m_states[i]->setText(qs(states[i].text));

    // 4. Highlighted oxidation states in red.
    for (std::size_t i = 0; i < states.size(); ++i)
        if (states[i].highlighted)
            m_states[i]->setTextColour(kHighlightedState);

    // 5. Oxide letters, each with its colour.
    const auto letters = catalogue::oxideLetters(record);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (!letters[i])
            continue;
        m_oxides[i]->setText(QString(QLatin1Char(letters[i])));
        m_oxides[i]->setAccessibleDescription(qs(catalogue::oxideMeaning(letters[i])));
        m_oxides[i]->setBackground(palette::oxideColour(letters[i]));
    }

    // 6. The picker, always last: every change of its value runs the dispatch.
    switch (record.picker) {
    case catalogue::PickerMode::ElementName:
        m_picker->setValue(field(Field::Name)->text());
        break;
    case catalogue::PickerMode::FixedName:
        m_picker->setValue(qs(record.fixedPickerText));
        break;
    case catalogue::PickerMode::Modifications: {
        const auto names = catalogue::modificationNames(record.symbol);
        // Every element shown with a choosable picker has modifications; one
        // without would keep the picker empty.
        Q_ASSERT(!names.empty());
        if (!names.empty())
            m_picker->setValue(qs(names.front()));
        for (std::string_view name : names)
            m_picker->addEntry(qs(name));
        break;
    }
    }
}

void TableWindow::dispatchModification() {
    const QByteArray value = m_picker->value().toUtf8();
    const catalogue::ModificationRecord *modification =
        catalogue::findModification(std::string_view(value.constData(), std::size_t(value.size())));
    // A modification applies only to its own element: with carbon shown,
    // "Ozons" must not pass ozone's values off as carbon's.
    if (!modification || !m_shown || modification->element != m_shown->symbol)
        return;
    ResetModificationFields();
    switch (modification->rows) {
    case catalogue::TemperatureRows::Normal:
        break;
    case catalogue::TemperatureRows::Sublimation:
        field(Field::Melting)->setVisible(false);
        caption(Field::Melting)->setVisible(false);
        setCaption(caption(Field::Boiling), kSublimationCaption);
        break;
    case catalogue::TemperatureRows::SublimationWithMelting:
        setCaption(caption(Field::Boiling), kSublimationCaption);
        break;
    }
    if (!modification->boiling.empty())
        field(Field::Boiling)->setText(qs(modification->boiling));
    if (!modification->melting.empty())
        field(Field::Melting)->setText(qs(modification->melting));
    if (!modification->density.empty())
        field(Field::Density)->setText(qs(modification->density));
    if (!modification->colour.empty())
        field(Field::Colour)->setText(qs(modification->colour));
    if (!modification->subscript.empty())
        m_subscript->setText(qs(modification->subscript));
}

// ---- Keys beyond the menus: finding an element by typing, copy, print -----

namespace {

// Whether what is typed belongs to the control: a field one types into (the
// formula boxes), or the picker, which takes typing even while it is locked
// and ignores it then. The read-only fields take no typing.
bool takesTyping(const QWidget *control) {
    // The picker hands its keys on to its own line edit.
    for (const QWidget *box : {control, static_cast<const QWidget *>(control->parentWidget())})
        if (auto *combo = qobject_cast<const QComboBox *>(box))
            return combo->isEditable();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return !edit->isReadOnly();
    return false;
}

// Whether the control holds selected text, which Ctrl+C copies by itself.
bool holdsSelection(const QWidget *control) {
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->hasSelectedText();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->lineEdit() && combo->lineEdit()->hasSelectedText();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->hasSelectedText();
    return false;
}

// A subscript in the lowered letters of plain text: "2" as "₂", "n" as "ₙ".
QString lowered(const QString &subscript) {
    QString text;
    for (const QChar ch : subscript) {
        if (ch >= u'0' && ch <= u'9')
            text += QChar(0x2080 + ch.unicode() - u'0');
        else if (ch == u'n')
            text += QChar(0x2099);
        else
            text += ch;
    }
    return text;
}

} // namespace

void TableWindow::setUpKeys() {
    new WindowKeys(this,
                   [this](QKeyEvent *event, QWidget *target) { return windowKey(event, target); });
    addPrintShortcut(this, QPageLayout::Landscape,
                     [this](QPrinter &printer) { printTable(printer); });
}

void TableWindow::setTypingClock(ElementFinder::Clock clock) {
    m_finder = ElementFinder(std::move(clock));
}

bool TableWindow::windowKey(QKeyEvent *event, QWidget *target) {
    const bool press = event->type() == QEvent::KeyPress;
    if (event->matches(QKeySequence::Copy)) {
        // A selection in a field copies just the selection.
        if (!press || holdsSelection(target))
            return false;
        const QString text = shownAsText();
        if (text.isEmpty())
            return false;
        QGuiApplication::clipboard()->setText(text);
        return true;
    }
    // Text fields, arrows, Tab, Space, Enter and the menu keys keep their keys.
    if (takesTyping(target) ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Backspace) {
        // They belong to the typed text while there is one; without it they
        // go on to the window.
        if (m_finder.typed().isEmpty())
            return false;
        if (!press) {
            event->accept(); // not a shortcut of the window now
            return true;
        }
        if (event->key() == Qt::Key_Escape)
            m_finder.clear();
        else if (m_finder.takeBack())
            if (const ElementRecord *record = m_finder.match())
                selectElement(*record);
        return true;
    }
    const QString text = event->text();
    if (!press || text.size() != 1 || !ElementFinder::takes(text.front()))
        return false;
    // Taken even when it names no element: typing never writes into a field.
    if (const ElementRecord *record = m_finder.type(text.front()))
        selectElement(*record);
    return true;
}

DesignButton *TableWindow::buttonOf(const ElementRecord &record) const {
    // The buttons stand in the catalogue's order, which is that of the numbers.
    const auto table = catalogue::elementTable();
    const auto at = std::lower_bound(
        table.begin(), table.end(), record.number,
        [](const ElementRecord &entry, int number) { return entry.number < number; });
    if (at == table.end() || at->number != record.number)
        return nullptr;
    return m_elementButtons[std::size_t(at - table.begin())];
}

void TableWindow::selectElement(const ElementRecord &record) {
    DesignButton *button = buttonOf(record);
    Q_ASSERT(button);
    if (!button)
        return;
    button->click();
    if (button->hasFocus()) {
        // The focus stays where it is: screen readers are told its name anew.
        QAccessibleEvent focus(button, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    } else {
        button->setFocus(Qt::OtherFocusReason);
    }
}

QString TableWindow::shownAsText() const {
    if (!m_shown)
        return QString();
    QStringList lines;
    auto line = [&lines](const QString &caption, const QString &value) {
        if (!value.isEmpty())
            lines << caption + QStringLiteral(": ") + value;
    };
    // A field hidden with its row says nothing.
    auto shown = [&](const QWidget *box, const QLabel *caption, const QString &value) {
        if (!box->isHidden())
            line(caption->text(), value);
    };
    auto textField = [&](Field which) {
        shown(field(which), caption(which), field(which)->text());
    };

    // The element, in the order of the keyboard.
    for (Field which : kElementOrder)
        textField(which);
    shown(m_origin, m_originCaption, m_origin->text());
    for (Field which : kElementOrderAfterOrigin)
        textField(which);
    QStringList states, oxides;
    for (std::size_t i = 0; i < m_states.size(); ++i) {
        const QString state = m_states[i]->text();
        if (!state.isEmpty())
            states << state;
        const QString oxide = m_oxides[i]->text();
        if (!oxide.isEmpty())
            oxides << (state.isEmpty() ? oxide : state + QLatin1Char(' ') + oxide);
    }
    line(m_statesCaption->text(), states.join(QStringLiteral(", ")));
    line(m_oxidesCaption->text(), oxides.join(QStringLiteral(", ")));

    // The simple substance.
    shown(m_picker, m_pickerCaption, m_picker->value());
    line(m_formulaCaption->text(), m_symbol->text() + lowered(m_subscript->text()));
    for (Field which : kSubstanceOrder)
        textField(which);
    return lines.join(QLatin1Char('\n'));
}

void TableWindow::printTable(QPrinter &printer) const {
    // The grid with its period and group labels and the bracket; the window's
    // title stands above it instead of the title label.
    QRectF area;
    for (const DesignButton *button : m_elementButtons)
        area |= QRectF(button->geometry());
    for (const QLabel *label : m_gridLabels)
        area |= QRectF(label->geometry());
    // The controls lie at the window's zoom; lines and pictures are printed
    // at it too, so that the page is the same at every zoom.
    const qreal zoom = zoomOf(this);
    const qreal m = 2 * zoom; // the margin around the grid
    printPage(printer, windowTitle(), area.adjusted(-m, -m, m, m), [&](QPainter &painter) {
        const QPen edge(kPrintInk, 0.75 * zoom);
        for (const DesignButton *button : m_elementButtons) {
            const QRectF face(button->geometry());
            painter.fillRect(face, button->faceColour());
            painter.setPen(edge);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(face);
            QRectF picture(QPointF(0, 0), QSizeF(button->pictureSize()) * zoom);
            picture.moveCenter(face.center());
            button->picture()(painter, picture);
        }
        painter.setPen(kPrintInk);
        for (const QLabel *label : m_gridLabels) {
            painter.setFont(label->font());
            painter.drawText(QRectF(label->geometry()), int(label->alignment()), label->text());
        }
        painter.setPen(QPen(kPrintInk, zoom));
        for (const Line &line : kBracket)
            painter.drawLine(QPointF(pxPoint(line.x1, line.y1)) * zoom,
                             QPointF(pxPoint(line.x2, line.y2)) * zoom);
    });
}

} // namespace vielnis
