#include "shell/picture_view.h"

#include <QPainter>

namespace vielnis {

PictureView::PictureView(QWidget *parent, const char *name, pictures::Picture picture,
                         const Twips &rect)
    : QWidget(parent), m_picture(picture) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(rect.toPixels());
    setCursor(Qt::ArrowCursor);
}

void PictureView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    pictures::draw(m_picture, painter, QRectF(rect()));
}

} // namespace vielnis
