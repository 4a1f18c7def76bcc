// Selection.
#include "SelectGesture.h"

#include "ToolContext.h"
#include "core/model/Drawing.h"

void SelectGesture::press(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    ctx.remember(p.cell);
}

bool SelectGesture::keepsSelectionAt(const ToolContext& ctx, QPoint c) const {
    const CellRect& r = ctx.doc.SelRect;
    // Right and Bottom themselves count as inside.
    return c.x() >= r.Left && c.x() <= r.Right && c.y() >= r.Top && c.y() <= r.Bottom;
}
