// Freehand tools.
#include "FreehandGesture.h"

#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

#include <cmath>
#include <cstdlib>

namespace {

CharCell inkCell(const ToolContext& ctx, const ToolRow& tool) {
    return tool.ink == Ink::Blank ? CharCell::blank() : ctx.brushCell();
}

} // namespace

void FreehandGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    ctx.doc.takeUndoSnapshot(tool.undoName);
    if (tool.sprays) {
        ctx.last = p.cell; // the spray centre
        ctx.random.seed(ctx.host.clockSeed());
        ctx.spray(true);
        return;
    }
    ctx.setCellDirect(p.cell, inkCell(ctx, tool));
    if (tool.trail) ctx.last = p.cell;
}

void FreehandGesture::move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    if (tool.sprays) {
        ctx.last = p.cell;
        return;
    }
    const CharCell ink = inkCell(ctx, tool);
    if (!tool.trail) {
        ctx.setCellDirect(p.cell, ink);
        return;
    }
    const QPoint d = p.cell - ctx.last;
    if (std::abs(d.x()) >= 2 || std::abs(d.y()) >= 2) {
        // The pointer skipped cells: fill them with a line so the stroke stays connected.
        ctx.doc.CurGrid.at(p.cell.x(), p.cell.y()) = ink;
        ctx.raster.clear();
        ctx.raster.line(ctx.last, p.cell);
        ctx.stampRaster();
        ctx.doc.ReDraw();
    } else {
        ctx.setCellDirect(p.cell, ink);
    }
    ctx.last = p.cell;
}

void FreehandGesture::release(ToolContext& ctx, const ToolRow&, const Pointer&) {
    ctx.spray(false);
}

void FreehandGesture::sprayTick(ToolContext& ctx, const std::function<quint32()>& next) {
    Drawing& doc = ctx.doc;
    const CharCell brush = ctx.brushCell();
    for (int i = 0; i < 10; ++i) {
        const int r = int(next() % 5);
        const int d = int(next() % 360);
        // The angle in radians as the spray has always computed it, with 3.14 for pi.
        const double a = d * 3.14 / 180;
        const int col = int(std::cos(a) * r + ctx.last.x());
        const int row = int(ctx.last.y() - r * std::sin(a));
        if (col < 0 || col >= doc.GridWidth || row < 0 || row >= doc.GridHeight) continue;
        doc.CurGrid.at(col, row) = brush;
        doc.ShownGrid.at(col, row) = brush;
        ctx.host.paintText(col, row, brush);
    }
}
