#include "shell/design_button.h"

#include "shell/edges.h"
#include "shell/twips.h"
#include "shell/zoom.h"

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
    const qreal zoom = zoomOf(this);
    const int line = zoomedLine(1, zoom);
    painter.fillRect(face, m_face);
    if (down)
        drawSunkenEdge(painter, face, line);
    else
        drawRaisedEdge(painter, face, line);

    // The face contents shift by one line while pressed.
    const int shift = down ? line : 0;
    const QRect inner =
        face.adjusted(2 * line, 2 * line, -2 * line, -2 * line).translated(shift, shift);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (m_picture) {
        // Drawn anew for the zoom and the screen's resolution.
        const qreal ratio = devicePixelRatioF();
        const QSize size = zoomed(m_pictureSize, zoom);
        if (m_rendered.isNull() || m_rendered.devicePixelRatio() != ratio ||
            m_renderedSize != size) {
            m_renderedSize = size;
            m_rendered = QPixmap(size * ratio);
            m_rendered.setDevicePixelRatio(ratio);
            m_rendered.fill(Qt::transparent);
            QPainter picture(&m_rendered);
            picture.setRenderHint(QPainter::Antialiasing);
            picture.setRenderHint(QPainter::TextAntialiasing);
            m_picture(picture, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        QRectF target(QPointF(0, 0), QSizeF(size));
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
