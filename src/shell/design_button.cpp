#include "shell/design_button.h"

#include "shell/edges.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    m_rendered = QPixmap();
    update();
}

void DesignButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const bool down = isDown();
    const QRect face = rect();
    painter.fillRect(face, m_face);
    if (down)
        drawSunkenEdge(painter, face);
    else
        drawRaisedEdge(painter, face);

    // The face contents shift by one pixel while pressed.
    const QRect inner = face.adjusted(2, 2, -2, -2).translated(down ? 1 : 0, down ? 1 : 0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (m_picture) {
        const qreal ratio = devicePixelRatioF();
        if (m_rendered.isNull() || m_rendered.devicePixelRatio() != ratio) {
            m_rendered = QPixmap(m_pictureSize * ratio);
            m_rendered.setDevicePixelRatio(ratio);
            m_rendered.fill(Qt::transparent);
            QPainter picture(&m_rendered);
            picture.setRenderHint(QPainter::Antialiasing);
            picture.setRenderHint(QPainter::TextAntialiasing);
            m_picture(picture, QRectF(QPointF(0, 0), QSizeF(m_pictureSize)));
        }
        QRectF target(QPointF(0, 0), QSizeF(m_pictureSize));
        target.moveCenter(QRectF(inner).center());
        painter.drawPixmap(target.topLeft().toPoint(), m_rendered);
    } else if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(inner, Qt::AlignCenter, text());
    }
    // The focus shows on a ring of its own (FocusRing), above the face.
}

void DesignButton::keyPressEvent(QKeyEvent *event) {
    // Enter presses a focused button as Space does, as users of any
    // desktop program expect.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void DesignButton::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
    // The move belongs to this button: it never reaches the window behind it.
    event->accept();
}

} // namespace vielnis
