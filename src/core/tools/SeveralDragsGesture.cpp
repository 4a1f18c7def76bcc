// The curve's three drags.
#include "SeveralDragsGesture.h"

#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

#include <utility>

void SeveralDragsGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    ctx.doc.takeUndoSnapshot(tool.undoName);
    ctx.anchor = p.cell;
    if (m_stage >= 3) m_stage = 0; // a lost release must not run past the last point
    ctx.previewShown = false;      // the press repainted the canvas: earlier drags show no more
    ++m_stage;
    m_pressed = true;
    m_points[size_t(m_stage - 1)] = p.cell;
}

void SeveralDragsGesture::move(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    if (p.cell == ctx.last) return;
    auto& pt = m_points;
    ctx.raster.clear();
    switch (m_stage) {
    case 1:
        ctx.raster.line(ctx.anchor, p.cell);
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
    ctx.last = p.cell;
}

void SeveralDragsGesture::release(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    if (!p.left() || !std::exchange(m_pressed, false)) return;
    if (m_stage == 1) {
        m_points[3] = p.cell;
    } else if (m_stage == 3) {
        ctx.commitPreview();
        m_stage = 0;
    }
}

bool SeveralDragsGesture::inProgress(const ToolContext&) const {
    return m_stage > 0;
}

void SeveralDragsGesture::cancel(ToolContext& ctx) {
    m_stage = 0;
    ctx.doc.ReDraw(); // the drawing is painted over the unfinished curve
}

void SeveralDragsGesture::reset() {
    m_stage = 0;
    m_pressed = false;
}
