#include "shell/start_window.h"

#include "pages/page_texts.h"
#include "resources/pictures.h"
#include "shell/controls.h"
#include "shell/design_button.h"
#include "shell/picture_view.h"
#include "shell/window_set.h"

namespace vielnis {

namespace {

using pictures::Picture;

const QColor kEntryYellow(0xFF, 0xFF, 0x00);
const QColor kEntryLit(0x00, 0xFF, 0xFF);
const QColor kHeadingYellow(0xFF, 0xFF, 0x80);
const QColor kEntryFace(0x80, 0x00, 0x00);
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
     "ĶĪMISKO ELEMENTU PERIODISKĀ TABULA",
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
     "METĀLU ELEKTROĶĪMISKĀ SPRIEGUMU RINDA",
     Picture::ArrowBlueSquares,
     WindowId::Form3,
     Hover::ResetFirst},
    {"NER",
     "lbl_NER",
     {4800, 1320, 615, 495},
     {5640, 1320, 3735, 615},
     "NEMETĀLU ELEKTRONEGATIVITĀTES RINDA",
     Picture::ArrowGreenSquares,
     WindowId::Form5,
     Hover::ResetFirst},
    {"SAR",
     "lbl_SAR",
     {4800, 2040, 615, 495},
     {5640, 2040, 2655, 615},
     "SKĀBJU AKTIVITĀTES RINDA",
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

// The keyboard order of the window's buttons.
const char *const kTabOrder[] = {"KEPT", "VSU", "MAR", "NER", "SAR", "Command1", "Command2", "PAR"};

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
        m_labels[index++] = label;

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
                         pages::kStartNotice,
                         {2400, 3600, 5655, 495},
                         {Face::Serif, 15.75, true, true},
                         kHeadingYellow,
                         Qt::AlignHCenter | Qt::AlignTop});

    connect(client(), &ClientArea::backgroundMouseMove, this, &StartWindow::ResetEntryColours);

    QWidget *previous = nullptr;
    for (const char *name : kTabOrder) {
        QWidget *next = client()->findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    client()->findChild<QWidget *>(QStringLiteral("KEPT"))->setFocus();
}

void StartWindow::ResetEntryColours() {
    for (QLabel *label : m_labels)
        setLabelColour(label, kEntryYellow);
}

} // namespace vielnis
