// Polygons.
#include "PointByPointGesture.h"

#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

#include <span>

void PointByPointGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    if (m_count == 0) ctx.doc.takeUndoSnapshot(tool.undoName); // one snapshot for the whole polygon
    ctx.anchor = p.cell;
    m_points[size_t(m_count)] = p.cell;
    ++m_count;
    const int n = m_count;
    if (n > 1 && (n > 19 || (n > 3 && p.cell == m_points[0]))) close(ctx, tool);
}

void PointByPointGesture::hover(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    if (m_count == 0) return;
    // An open polyline to the pointer, never filled, redrawn on every move.
    ctx.raster.clear();
    ctx.raster.polyline(std::span(m_points.data(), size_t(m_count)));
    ctx.raster.line(m_points[size_t(m_count - 1)], p.cell);
    ctx.showPreview();
    ctx.last = p.cell;
}

void PointByPointGesture::doubleClick(ToolContext& ctx, const ToolRow& tool) {
    if (m_count < 3) return;
    close(ctx, tool);
    // The second click of the double-click arrives as a press next; it must not start a new polygon.
    ctx.skipNextPress = true;
}

bool PointByPointGesture::inProgress(const ToolContext&) const {
    return m_count > 0;
}

void PointByPointGesture::cancel(ToolContext& ctx) {
    m_count = 0;
    ctx.doc.ReDraw(); // removes the rubber band
}

void PointByPointGesture::close(ToolContext& ctx, const ToolRow& tool) {
    ctx.raster.clear();
    ctx.raster.polygon(std::span(m_points.data(), size_t(m_count)), tool.filled);
    ctx.stampRaster(); // straight into the drawing
    ctx.doc.ReDraw();
    m_count = 0;
}
