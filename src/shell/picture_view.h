#pragma once

#include "resources/pictures.h"
#include "shell/twips.h"

#include <QWidget>

namespace vielnis {

// A picture on a window, stretched to its rectangle and drawn at the
// screen's own resolution. It reacts to nothing.
class PictureView : public QWidget {
public:
    PictureView(QWidget *parent, const char *name, pictures::Picture picture, const Twips &rect);

    pictures::Picture picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    pictures::Picture m_picture;
};

} // namespace vielnis
