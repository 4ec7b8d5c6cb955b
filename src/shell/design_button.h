#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <functional>

namespace vielnis {

// A push button in the graphical style: a flat face in its own background
// colour with a raised edge, showing either a caption or a picture centred
// on the face. Element buttons, entry buttons, common buttons and solubility
// cells are all of this kind.
class DesignButton : public QPushButton {
    Q_OBJECT
public:
    using PictureFn = std::function<void(QPainter &, const QRectF &)>;

    explicit DesignButton(QWidget *parent = nullptr);

    void setFaceColour(const QColor &colour);
    QColor faceColour() const { return m_face; }
    // A picture of the given logical size at the design's size, drawn
    // centred on the face.
    void setPicture(PictureFn picture, QSize size = QSize(32, 32));
    bool hasPicture() const { return bool(m_picture); }
    // Draws the picture into a target of any size (for print).
    const PictureFn &picture() const { return m_picture; }
    QSize pictureSize() const { return m_pictureSize; }

signals:
    // Every mouse move over the button, pressed or not.
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_face;
    PictureFn m_picture;
    QSize m_pictureSize;
    QPixmap m_rendered;   // the picture drawn once at the screen's resolution
    QSize m_renderedSize; // and at the window's zoom
};

} // namespace vielnis
