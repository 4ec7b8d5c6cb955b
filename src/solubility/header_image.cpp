#include "solubility/header_image.h"

#include "shell/design_palette.h"
#include "shell/zoom.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

namespace vielnis::solubility {

namespace {

constexpr int kFrameWidth = 1; // at the design's size; the picture keeps clear of the frame

// Posted to an image after its frame was set: by the time it arrives the
// handler that set the frame has finished.
const QEvent::Type kFrameCheck = QEvent::Type(QEvent::registerEventType());

} // namespace

HeaderImage::HeaderImage(QWidget *parent, const char *name, const IonFormula &formula,
                         const Twips &rect)
    : QWidget(parent), m_formula(formula), m_picture(formula) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(rect.toPixels());
    setCursor(Qt::ArrowCursor);
}

void HeaderImage::setFramed(bool framed) {
    m_framed = framed;
    if (!m_checkPosted) {
        m_checkPosted = true;
        QCoreApplication::postEvent(this, new QEvent(kFrameCheck));
    }
}

bool HeaderImage::event(QEvent *event) {
    if (event->type() == kFrameCheck) {
        m_checkPosted = false;
        if (m_framed != m_shownFramed) {
            m_shownFramed = m_framed;
            // Only the frame's own line changes; the picture stays as it is.
            const int frame = frameWidth();
            const QRect inner = rect().adjusted(frame, frame, -frame, -frame);
            update(QRegion(rect()).subtracted(QRegion(inner)));
        }
        return true;
    }
    return QWidget::event(event);
}

const QPixmap &HeaderImage::formulaPixmap() {
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * ratio).toSize();
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio || m_pixmap.size() != device) {
        // Drawn anew for the window's zoom and the screen's resolution.
        m_pixmap = QPixmap(device);
        m_pixmap.setDevicePixelRatio(ratio);
        m_pixmap.fill(Qt::transparent);
        QPainter painter(&m_pixmap);
        const int frame = frameWidth();
        m_picture.draw(painter, QRectF(rect().adjusted(frame, frame, -frame, -frame)),
                       palette::kYellow);
    }
    return m_pixmap;
}

int HeaderImage::frameWidth() const {
    return zoomedLine(kFrameWidth, zoomOf(this));
}

void HeaderImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, formulaPixmap());
    if (m_framed) {
        const qreal frame = frameWidth();
        painter.setPen(QPen(palette::kBlack, frame));
        painter.setBrush(Qt::NoBrush);
        // One logical pixel wide at the design's size, just inside the
        // edges, at any scaling; whole pixels wider at a zoom.
        painter.drawRect(QRectF(rect()).adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2));
    }
}

} // namespace vielnis::solubility
