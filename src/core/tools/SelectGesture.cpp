// Selection and dragging blocks.
#include "SelectGesture.h"

#include "ToolContext.h"
#include "core/model/Drawing.h"

bool SelectGesture::keepsSelectionAt(const ToolContext& ctx, QPoint c) const {
    return ctx.doc.selection.SelRect.containsInclusive(c);
}

void SelectGesture::press(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& d = ctx.doc;
    Selection& s = d.selection;
    const CellRect& r = s.SelRect;
    if (r.Right - r.Left < 1 || !r.containsInclusive(p.cell)) {
        m_banding = true; // nothing is drawn until the pointer moves
        s.drop();
    } else if (!s.PasteActive) {
        ctx.host.showStatus(
            QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
        d.takeUndoSnapshot(QStringLiteral("区域拖动"));
        s.lift(d.CurGrid, p.ctrl());
        // Nothing is repainted yet: the canvas still shows the cells until the block moves.
    }
    ctx.anchor = p.cell;
    ctx.last = p.cell;
}

void SelectGesture::move(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& d = ctx.doc;
    if (p.cell == ctx.last) return;
    if (m_banding && !d.selection.PasteActive) {
        d.xorBand(ctx.anchor, ctx.last); // erases the band drawn before
        d.xorBand(ctx.anchor, p.cell);
    } else if (d.selection.PasteActive) {
        d.selection.preview(d, p.cell - ctx.anchor, p.alt());
    }
    ctx.last = p.cell;
}

void SelectGesture::release(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& d = ctx.doc;
    Selection& s = d.selection;
    if (s.PasteActive) {
        // Kept as it comes out, also beyond the edges: hidden parts come back when dragged back.
        s.moveBy(p.cell - ctx.anchor);
        s.PasteTransparent = p.alt();
        s.show(d);
    } else if (m_banding) {
        d.xorBand(ctx.anchor, ctx.last);
        m_banding = false;
        const QPoint a = ctx.anchor, c = p.cell;
        if (c.x() == a.x() || c.y() == a.y()) {
            s.clear();
            return;
        }
        ctx.host.showStatus(QStringLiteral("如果拖动时想保留原来位置的内容，请在刚开始拖动时按住Ctrl键"));
        s.SelRect = {std::min(a.x(), c.x()), std::min(a.y(), c.y()), std::max(a.x(), c.x()),
                     std::max(a.y(), c.y())};
        d.drawFrame(s.SelRect);
    }
}
