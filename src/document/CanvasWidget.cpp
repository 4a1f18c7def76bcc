// Canvas control.
#include "CanvasWidget.h"

#include "Canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // the polygon's rubber band follows the pointer without a button
    syncSize();
}

namespace {

PointerEvent pointer(const QMouseEvent* e, Qt::MouseButtons buttons) {
    PointerEvent p;
    p.pixel = e->position().toPoint();
    p.left = buttons & Qt::LeftButton;
    p.right = buttons & Qt::RightButton;
    p.ctrl = e->modifiers() & Qt::ControlModifier;
    p.alt = e->modifiers() & Qt::AltModifier;
    p.shift = e->modifiers() & Qt::ShiftModifier;
    return p;
}

} // namespace

void CanvasWidget::syncSize() {
    setFixedSize(m_canvas.picture().size());
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), m_canvas.picture(), r);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed(pointer(event, event->buttons()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT moved(pointer(event, event->buttons()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT released(pointer(event, event->button()));
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A left double-click first, then its second click as a press, as the tools expect them.
    if (event->button() == Qt::LeftButton) Q_EMIT doubleClicked();
    Q_EMIT pressed(pointer(event, event->buttons()));
}
