// Shapes between two points.
#include "TwoPointsGesture.h"

#include "CellRaster.h"
#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

#include <cstdlib>
#include <utility>

void drawShape(CellRaster& raster, Shape shape, bool filled, QPoint a, QPoint b) {
    switch (shape) {
    case Shape::Line:
        raster.line(a, b);
        break;
    case Shape::Rectangle:
        raster.rectangle(a, b, filled);
        break;
    case Shape::Ellipse:
        raster.ellipse(a, b, filled);
        break;
    case Shape::RoundRect:
        // Corners rounded by an ellipse half as wide and half as high as the shape.
        raster.roundRect(a, b, int(std::abs(b.x() - a.x()) * 0.5), int(std::abs(b.y() - a.y()) * 0.5),
                         filled);
        break;
    default:
        break;
    }
}

void TwoPointsGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    ctx.doc.takeUndoSnapshot(tool.undoName);
    ctx.anchor = p.cell;
    ctx.previewShown = false;
    m_pressed = true;
}

void TwoPointsGesture::move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    if (p.cell == ctx.last) return;
    ctx.raster.clear();
    drawShape(ctx.raster, tool.shape, tool.filled, ctx.anchor, p.cell);
    ctx.showPreview();
    ctx.last = p.cell;
}

void TwoPointsGesture::release(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    if (!p.left() || !std::exchange(m_pressed, false)) return;
    ctx.commitPreview();
}
