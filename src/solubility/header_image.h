#pragma once

#include "shell/twips.h"
#include "solubility/ion_formula.h"

#include <QPixmap>
#include <QWidget>

namespace vielnis::solubility {

// A header image of the solubility table: an ion's formula in yellow on a
// transparent ground, filling its rectangle, with a single-line frame that
// can be switched on and off.
class HeaderImage : public QWidget {
    Q_OBJECT
public:
    HeaderImage(QWidget *parent, const char *name, const IonFormula &formula, const Twips &rect);

    // Border style: fixed single (true) or none (false). The picture is
    // redrawn only when the frame it shows has to change, so switching a
    // frame off and on again within one handler costs no painting.
    void setFramed(bool framed);
    bool isFramed() const { return m_framed; }

    const IonFormula &formula() const { return m_formula; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The frame's line width at the window's zoom.
    int frameWidth() const;
    const QPixmap &formulaPixmap();

    IonFormula m_formula;
    FormulaPicture m_picture;
    QPixmap m_pixmap;           // the formula at the screen's resolution
    bool m_framed = false;      // as last set
    bool m_shownFramed = false; // as the screen was last told to show it
    bool m_checkPosted = false; // a comparison of the two is on its way
};

} // namespace vielnis::solubility
