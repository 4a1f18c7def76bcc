// A drawing over a bare canvas.
#include "CanvasDrawing.h"

#include "ToolOffsets.h"

CanvasDrawing::CanvasDrawing(int width, int height) {
    GridWidth = width;
    GridHeight = height;
    resetCanvas();
}

void CanvasDrawing::ReDraw() {
    if (onReDraw) onReDraw();
    if (paints) PaintedDrawing::ReDraw();
}

void CanvasDrawing::ReDrawAll() {
    if (paints) PaintedDrawing::ReDrawAll();
}

QPoint CanvasDrawing::pixelFor(ToolId tool, QPoint cell) const {
    // The tool's cursor is shown once the pointer has moved; the tests hover first.
    return pixelForCell(tool, cell);
}

void CanvasDrawing::hover(ToolId tool, QPoint cell) {
    tools.setTool(tool);
    tools.move(pixelFor(tool, cell), Qt::NoButton, Qt::NoModifier);
}

void CanvasDrawing::press(ToolId tool, QPoint cell, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    tools.setTool(tool);
    tools.press(pixelFor(tool, cell), button, mods);
}

void CanvasDrawing::drag(ToolId tool, QPoint cell, Qt::KeyboardModifiers mods) {
    tools.setTool(tool);
    tools.move(pixelFor(tool, cell), Qt::LeftButton, mods);
}

void CanvasDrawing::release(ToolId tool, QPoint cell, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    tools.setTool(tool);
    tools.release(pixelFor(tool, cell), button, mods);
}

void CanvasDrawing::stroke(ToolId tool, std::initializer_list<QPoint> cells) {
    const QPoint* c = cells.begin();
    hover(tool, *c);
    press(tool, *c);
    for (const QPoint* p = c + 1; p != cells.end(); ++p) drag(tool, *p);
    release(tool, *(cells.end() - 1));
}
