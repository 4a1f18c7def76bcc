// Selection and dragging blocks.
#include "SelectGesture.h"

#include "ToolContext.h"
#include "core/model/Drawing.h"
#include "core/model/FloatingBlock.h"

namespace {

QPoint corner(const Drawing& d, QPoint cell) {
    return {cell.x() * d.CellWidth, cell.y() * d.CellHeight};
}

void band(ToolContext& ctx, QPoint to) {
    ctx.doc.xorBand(corner(ctx.doc, ctx.anchor()), corner(ctx.doc, to));
}

} // namespace

bool SelectGesture::keepsSelectionAt(const ToolContext& ctx, QPoint c) const {
    return ctx.doc.SelRect.containsInclusive(c);
}

void SelectGesture::press(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& d = ctx.doc;
    const CellRect& r = d.SelRect;
    if (r.Right - r.Left < 1 || !r.containsInclusive(p.cell)) {
        d.Banding = 1; // nothing is drawn until the pointer moves
        d.PasteActive = 0;
        d.PasteTransparent = 0;
    } else if (d.PasteActive == 0) {
        lift(ctx, p.ctrl());
    }
    d.AnchorX = p.cell.x();
    d.AnchorY = p.cell.y();
    ctx.remember(p.cell);
}

void SelectGesture::lift(ToolContext& ctx, bool leaveCopy) {
    Drawing& d = ctx.doc;
    ctx.host.showStatus(QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
    d.takeUndoSnapshot(QStringLiteral("区域拖动"));
    d.PasteActive = 1;
    const CellRect& r = d.SelRect;
    d.PasteLines = cellLines(d, r.Left, r.Top, r.Right, r.Bottom, !leaveCopy);
    // Nothing is repainted yet: the canvas still shows the cells until the block moves.
}

void SelectGesture::move(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& d = ctx.doc;
    if (p.cell == ctx.last()) return;
    if (d.Banding == 1 && d.PasteActive == 0) {
        band(ctx, ctx.last()); // erases the band drawn before
        band(ctx, p.cell);
    } else if (d.PasteActive == 1) {
        const QPoint offset = p.cell - ctx.anchor();
        previewFloatingBlock(d, offset.x(), offset.y(), p.alt());
    }
    ctx.remember(p.cell);
}

void SelectGesture::release(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& d = ctx.doc;
    if (d.PasteActive == 1) {
        // Kept as it comes out, also beyond the edges: hidden parts come back when dragged back.
        d.SelRect = d.SelRect.translated(p.cell - ctx.anchor());
        d.PasteTransparent = p.alt() ? 1 : 0;
        showFloatingBlock(d);
    } else if (d.Banding == 1) {
        band(ctx, ctx.last());
        d.Banding = 0;
        const QPoint a = ctx.anchor(), c = p.cell;
        if (c.x() == a.x() || c.y() == a.y()) {
            d.SelRect = {};
            return;
        }
        ctx.host.showStatus(QStringLiteral("如果拖动时想保留原来位置的内容，请在刚开始拖动时按住Ctrl键"));
        d.drawFrame(corner(d, a), corner(d, c));
        d.SelRect = {std::min(a.x(), c.x()), std::min(a.y(), c.y()), std::max(a.x(), c.x()),
                     std::max(a.y(), c.y())};
    }
}
