#include "shell/design_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace vielnis {

DesignButton::DesignButton(QWidget *parent) : QPushButton(parent), m_face(Qt::lightGray) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DesignButton::setFaceColour(const QColor &colour) {
    m_face = colour;
    update();
}

void DesignButton::setPicture(PictureFn picture, QSize size) {
    m_picture = std::move(picture);
    m_pictureSize = size;
    update();
}

void DesignButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const bool down = isDown();
    const QRect face = rect();
    painter.fillRect(face, m_face);
    QBrush faceBrush(m_face);
    qDrawWinButton(&painter, face, palette(), down, &faceBrush);

    // The face contents shift by one pixel while pressed.
    const QRect inner = face.adjusted(2, 2, -2, -2).translated(down ? 1 : 0, down ? 1 : 0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (m_picture) {
        QRectF target(QPointF(0, 0), QSizeF(m_pictureSize));
        target.moveCenter(QRectF(inner).center());
        painter.save();
        m_picture(painter, target);
        painter.restore();
    } else if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(inner, Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen dotted(Qt::black, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}

void DesignButton::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
    // The move belongs to this button: it never reaches the window behind it.
    event->accept();
}

} // namespace vielnis
