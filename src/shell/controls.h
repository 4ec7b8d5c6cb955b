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

} // namespace vielnis
