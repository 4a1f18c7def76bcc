// Mouse events on a drawing's canvas.
#include "CanvasMouse.h"

#include "ToolOffsets.h"
#include "ui/app/TMainForm.h"
#include "ui/document/CanvasWidget.h"
#include "ui/document/TChildForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

CanvasMouse::CanvasMouse(TMainForm& frame, TChildForm& drawing) : m_frame(&frame), m_canvas(drawing.Image1) {}

bool CanvasMouse::choose(ToolId tool) {
    auto* button = m_frame ? m_frame->findChild<QToolButton*>(QLatin1String(toolRow(tool).button)) : nullptr;
    if (!button) return false;
    QTest::mouseClick(button, Qt::LeftButton);
    m_tool = tool;
    return m_frame->currentTool() == tool;
}

QPoint CanvasMouse::pixel(QPoint cell) const {
    return pixelForCell(m_tool, cell, m_zoom);
}

void CanvasMouse::send(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers mods) const {
    // A test that lost its drawing fails on what it checks next, not here.
    if (!m_canvas) return;
    QMouseEvent e(type, QPointF(pixel), QPointF(m_canvas->mapToGlobal(pixel)), button, buttons, mods);
    QApplication::sendEvent(m_canvas, &e);
}

void CanvasMouse::hover(QPoint cell) const {
    send(QEvent::MouseMove, pixel(cell), Qt::NoButton, Qt::NoButton);
}

void CanvasMouse::press(QPoint cell, Qt::MouseButton button, Qt::KeyboardModifiers mods) const {
    send(QEvent::MouseButtonPress, pixel(cell), button, button, mods);
}

void CanvasMouse::drag(QPoint cell, Qt::KeyboardModifiers mods) const {
    send(QEvent::MouseMove, pixel(cell), Qt::NoButton, Qt::LeftButton, mods);
}

void CanvasMouse::release(QPoint cell, Qt::MouseButton button, Qt::KeyboardModifiers mods) const {
    send(QEvent::MouseButtonRelease, pixel(cell), button, Qt::NoButton, mods);
}

void CanvasMouse::click(QPoint cell) const {
    press(cell);
    release(cell);
}

void CanvasMouse::moveAndClick(QPoint cell) const {
    hover(cell);
    click(cell);
}

void CanvasMouse::doubleClick(QPoint cell) const {
    click(cell);
    send(QEvent::MouseButtonDblClick, pixel(cell), Qt::LeftButton, Qt::LeftButton);
    release(cell);
}

void CanvasMouse::stroke(std::initializer_list<QPoint> cells, Qt::KeyboardModifiers atPress,
                         Qt::KeyboardModifiers afterwards) const {
    const QPoint* c = cells.begin();
    hover(*c);
    press(*c, Qt::LeftButton, atPress);
    for (const QPoint* p = c + 1; p != cells.end(); ++p) drag(*p, afterwards);
    release(*(cells.end() - 1), Qt::LeftButton, afterwards);
}
