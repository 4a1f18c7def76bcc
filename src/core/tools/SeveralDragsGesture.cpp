// The curve's three drags.
#include "SeveralDragsGesture.h"

#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

#include <utility>

void SeveralDragsGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    Drawing& doc = ctx.doc;
    doc.takeUndoSnapshot(tool.undoName);
    doc.AnchorX = p.cell.x();
    doc.AnchorY = p.cell.y();
    if (doc.CurveStage >= 3) doc.CurveStage = 0; // a lost release must not run past the last point
    ctx.previewShown = false;                    // the press repainted the canvas: earlier drags show no more
    ++doc.CurveStage;
    m_pressed = true;
    doc.CurvePoints[doc.CurveStage - 1] = p.cell;
}

void SeveralDragsGesture::move(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& doc = ctx.doc;
    if (p.cell == ctx.last()) return;
    auto& pt = doc.CurvePoints;
    ctx.raster.clear();
    switch (doc.CurveStage) {
    case 1:
        ctx.raster.line(ctx.anchor(), p.cell);
        break;
    case 2:
        pt[1] = p.cell;
        pt[2] = pt[3];
        ctx.raster.bezier(pt[0], pt[1], pt[2], pt[3]);
        break;
    case 3:
        pt[2] = p.cell;
        ctx.raster.bezier(pt[0], pt[1], pt[2], pt[3]);
        break;
    default:
        break;
    }
    ctx.showPreview();
    ctx.remember(p.cell);
}

void SeveralDragsGesture::release(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    if (!p.left() || !std::exchange(m_pressed, false)) return;
    Drawing& doc = ctx.doc;
    if (doc.CurveStage == 1) {
        doc.CurvePoints[3] = p.cell;
    } else if (doc.CurveStage == 3) {
        ctx.commitPreview();
        doc.CurveStage = 0;
    }
}

bool SeveralDragsGesture::inProgress(const ToolContext& ctx) const {
    return ctx.doc.CurveStage > 0;
}

void SeveralDragsGesture::cancel(ToolContext& ctx) {
    ctx.doc.CurveStage = 0;
    ctx.doc.ReDraw(); // the drawing is painted over the unfinished curve
}
