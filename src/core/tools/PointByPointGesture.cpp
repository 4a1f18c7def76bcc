// Polygons.
#include "PointByPointGesture.h"

#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

#include <span>

void PointByPointGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    Drawing& doc = ctx.doc;
    if (doc.PolyCount == 0) doc.takeUndoSnapshot(tool.undoName); // one snapshot for the whole polygon
    doc.AnchorX = p.cell.x();
    doc.AnchorY = p.cell.y();
    doc.PolyPoints[doc.PolyCount] = p.cell;
    ++doc.PolyCount;
    const int n = doc.PolyCount;
    if (n > 1 && (n > 19 || (n > 3 && p.cell == doc.PolyPoints[0]))) close(ctx, tool);
}

void PointByPointGesture::hover(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& doc = ctx.doc;
    if (doc.PolyCount == 0) return;
    // An open polyline to the pointer, never filled, redrawn on every move.
    ctx.raster.clear();
    ctx.raster.polyline(std::span(doc.PolyPoints.data(), size_t(doc.PolyCount)));
    ctx.raster.line(doc.PolyPoints[doc.PolyCount - 1], p.cell);
    ctx.showPreview();
    ctx.remember(p.cell);
}

void PointByPointGesture::doubleClick(ToolContext& ctx, const ToolRow& tool) {
    if (ctx.doc.PolyCount < 3) return;
    close(ctx, tool);
    // The second click of the double-click arrives as a press next; it must not start a new polygon.
    ctx.doc.SkipNextPress = 1;
}

bool PointByPointGesture::inProgress(const ToolContext& ctx) const {
    return ctx.doc.PolyCount > 0;
}

void PointByPointGesture::cancel(ToolContext& ctx) {
    ctx.doc.PolyCount = 0;
    ctx.doc.ReDraw(); // removes the rubber band
}

void PointByPointGesture::close(ToolContext& ctx, const ToolRow& tool) {
    Drawing& doc = ctx.doc;
    ctx.raster.clear();
    ctx.raster.polygon(std::span(doc.PolyPoints.data(), size_t(doc.PolyCount)), tool.filled);
    ctx.stampRaster(); // straight into the drawing
    doc.ReDraw();
    doc.PolyCount = 0;
}
