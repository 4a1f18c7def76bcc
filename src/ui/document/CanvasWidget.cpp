// Canvas control.
#include "CanvasWidget.h"

#include "core/render/Canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // the polygon's rubber band follows the pointer without a button
    syncSize();
}

void CanvasWidget::syncSize() {
    setFixedSize(m_canvas.picture().size());
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    // Only the part to be painted is turned into screen colours.
    p.drawImage(r.topLeft(), m_canvas.picture().copy(r).convertToFormat(QImage::Format_RGB32));
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
