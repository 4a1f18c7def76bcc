// Canvas control.
#include "CanvasWidget.h"

#include "Canvas.h"

#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    syncSize();
}

void CanvasWidget::syncSize() { setFixedSize(m_canvas.picture().size()); }

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), m_canvas.picture(), r);
}
