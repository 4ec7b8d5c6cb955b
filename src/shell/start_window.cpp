#include "shell/start_window.h"

#include "resources/pictures.h"
#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/design_palette.h"
#include "shell/picture_view.h"
#include "shell/shared_texts.h"

namespace vielnis {

namespace {

using pictures::Picture;

const QColor &kEntryYellow = palette::kYellow;
const QColor &kEntryLit = palette::kCyan;
const QColor &kHeadingYellow = palette::kPaleYellow;
const QColor &kEntryFace = palette::kMaroon;
const FontSpec kEntryFont{Face::Serif, 11.25, true, true};

enum class Hover {
    ResetFirst, // the other labels go back to yellow first
    Keep,       // the other labels keep their colours
};

struct Entry {
    const char *button;
    const char *label;
    Twips buttonRect;
    Twips labelRect;
    const char *caption;
    Picture picture;
    WindowId section;
    Hover hover;
};

// In the order of ResetEntryColours.
const Entry kEntries[] = {
    {"KEPT",
     "lbl_KEPT",
     {480, 1320, 615, 495},
     {1320, 1320, 2535, 615},
     texts::kPeriodicTableHeading,
     Picture::TableSilhouette,
     WindowId::Form2,
     Hover::Keep},
    {"VSU",
     "lbl_VSU",
     {480, 2040, 615, 495},
     {1320, 2040, 2175, 615},
     "VIELU ŠĶĪDĪBA ŪDENĪ",
     Picture::Beaker,
     WindowId::Form9,
     Hover::ResetFirst},
    {"MAR",
     "lbl_MAR",
     {480, 2760, 615, 495},
     {1320, 2760, 3255, 615},
     texts::kMetalSeriesHeading,
     Picture::ArrowBlueSquares,
     WindowId::Form3,
     Hover::ResetFirst},
    {"NER",
     "lbl_NER",
     {4800, 1320, 615, 495},
     {5640, 1320, 3735, 615},
     texts::kNonmetalSeriesHeading,
     Picture::ArrowGreenSquares,
     WindowId::Form5,
     Hover::ResetFirst},
    {"SAR",
     "lbl_SAR",
     {4800, 2040, 615, 495},
     {5640, 2040, 2655, 615},
     texts::kAcidSeriesHeading,
     Picture::ArrowWhiteSquares,
     WindowId::Form8,
     Hover::ResetFirst},
    {"PAR",
     "lbl_PAR",
     {4800, 2760, 615, 495},
     {5640, 2760, 3735, 615},
     "PAR PROGRAMMU",
     Picture::QuestionMark,
     WindowId::Form12,
     Hover::ResetFirst},
};

// The authors' one-line notice under the entries.
const char *const kNotice = "© E. Krūmiņš, I. Vītola, 2007";

void setLabelColour(QLabel *label, const QColor &colour) {
    if (label->palette().color(QPalette::WindowText) != colour)
        setTextColour(label, colour);
}

} // namespace

StartWindow::StartWindow(WindowSet &windows) : HandbookWindow(WindowId::Form1, windows) {
    makeLabel(client(), {"Label5",
                         "KOLBARIS",
                         {840, 360, 8325, 600},
                         {Face::Serif, 24, true},
                         kHeadingYellow,
                         Qt::AlignHCenter | Qt::AlignTop});
    new PictureView(client(), "Image1", Picture::FlaskAtom, {360, 360, 480, 480});

    std::size_t index = 0;
    for (const Entry &entry : kEntries) {
        const std::size_t n = index++;
        auto *button = new DesignButton(client());
        button->setObjectName(QString::fromLatin1(entry.button));
        button->setGeometry(entry.buttonRect.toPixels());
        button->setFaceColour(kEntryFace);
        const Picture picture = entry.picture;
        button->setPicture([picture](QPainter &painter, const QRectF &target) {
            pictures::draw(picture, painter, target);
        });
        button->setCursor(pictures::cursor(pictures::Cursor::SilverHand));
        button->setMouseTracking(true);
        button->setAccessibleName(QString::fromUtf8(entry.caption));

        QLabel *label =
            makeLabel(client(), {entry.label, entry.caption, entry.labelRect, kEntryFont,
                                 kEntryYellow, Qt::AlignLeft | Qt::AlignTop, true});
        m_buttons[n] = button;
        m_labels[n] = label;

        const Hover hover = entry.hover;
        connect(button, &DesignButton::mouseMoved, this, [this, label, hover] {
            if (hover == Hover::ResetFirst)
                ResetEntryColours();
            setLabelColour(label, kEntryLit);
        });
        const WindowId section = entry.section;
        connect(button, &QPushButton::clicked, this,
                [this, section] { forwardAndDestroy(section); });
    }

    makeLabel(client(), {"Label4",
                         kNotice,
                         {2400, 3600, 5655, 495},
                         {Face::Serif, 15.75, true, true},
                         kHeadingYellow,
                         Qt::AlignHCenter | Qt::AlignTop});

    connect(client(), &ClientArea::backgroundMouseMove, this, &StartWindow::ResetEntryColours);

    // The keyboard order: the five sections, the exit and minimise buttons,
    // then the page about the program.
    QWidget *const order[] = {m_buttons[0], m_buttons[1], m_buttons[2],     m_buttons[3],
                              m_buttons[4], exitButton(), minimiseButton(), m_buttons[5]};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_buttons[0]->setFocus();
}

DesignButton *StartWindow::entryButton(WindowId section) const {
    for (std::size_t n = 0; n < std::size(kEntries); ++n)
        if (kEntries[n].section == section)
            return m_buttons[n];
    return nullptr;
}

void StartWindow::ResetEntryColours() {
    for (QLabel *label : m_labels)
        setLabelColour(label, kEntryYellow);
}

} // namespace vielnis
