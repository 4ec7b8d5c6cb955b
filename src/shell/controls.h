#pragma once

#include "shell/design_fonts.h"
#include "shell/twips.h"

#include <QColor>
#include <QLabel>

namespace vielnis {

// A static text of a window: transparent, in its own colour and font.
struct LabelSpec {
    const char *name;
    const char *text;
    Twips rect;
    FontSpec font;
    QColor colour;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;
};

QLabel *makeLabel(QWidget *parent, const LabelSpec &look);

void setTextColour(QWidget *widget, const QColor &colour);

// The font to draw a one-line text in that must keep within `room` pixels:
// the design font where the text fits, otherwise the design font a few per
// cent tighter, then a pixel smaller at a time, down to three quarters of its
// size. A text fits when neither its advance nor its ink passes the room.
QFont fittedFont(const QFont &design, const QString &text, qreal room);

} // namespace vielnis
