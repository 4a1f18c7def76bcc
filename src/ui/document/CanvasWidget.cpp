// Canvas control.
#include "CanvasWidget.h"

#include "core/render/Canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // the polygon's rubber band follows the pointer without a button
    syncSize();
}

void CanvasWidget::syncSize() {
    // The picture is in device pixels; the widget in the screen's logical ones.
    const double dpr = m_canvas.geometry().devicePixelRatio();
    const QSize size = m_canvas.picture().size();
    setFixedSize(int(std::ceil(size.width() / dpr - 1e-9)), int(std::ceil(size.height() / dpr - 1e-9)));
}

void CanvasWidget::updatePixels(const QRect& pixels) {
    const double dpr = m_canvas.geometry().devicePixelRatio();
    if (dpr == 1.0) {
        update(pixels);
        return;
    }
    const QRectF logical(pixels.x() / dpr, pixels.y() / dpr, pixels.width() / dpr, pixels.height() / dpr);
    update(logical.toAlignedRect());
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    const double dpr = m_canvas.geometry().devicePixelRatio();
    if (devicePixelRatioF() != dpr && !m_densityPending) {
        m_densityPending = true;
        QTimer::singleShot(0, this, [this] {
            m_densityPending = false;
            if (devicePixelRatioF() != m_canvas.geometry().devicePixelRatio()) Q_EMIT densityChanged();
        });
    }
    QPainter p(this);
    const QImage& picture = m_canvas.picture();
    // Only the part to be painted is turned into screen colours, one picture pixel a device
    // pixel: nothing is scaled.
    const QRect r = event->rect();
    const QRect source =
        QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toAlignedRect() & picture.rect();
    if (source.isEmpty()) return;
    QImage part = picture.copy(source).convertToFormat(QImage::Format_RGB32);
    part.setDevicePixelRatio(dpr);
    p.drawImage(QPointF(source.x() / dpr, source.y() / dpr), part);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed(event->position().toPoint(), event->buttons(), event->modifiers());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT moved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT released(event->position().toPoint(), event->button(), event->modifiers());
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A left double-click first, then its second click as a press, as the tools expect them.
    if (event->button() == Qt::LeftButton) Q_EMIT doubleClicked();
    Q_EMIT pressed(event->position().toPoint(), event->buttons(), event->modifiers());
}
