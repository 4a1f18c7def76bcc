// Taking the brush text from a cell.
#include "OnePointGesture.h"

#include "ToolContext.h"
#include "core/model/Drawing.h"
#include "core/text/GbkText.h"

void OnePointGesture::press(ToolContext& ctx, const ToolRow&, const Pointer& p) {
    Drawing& doc = ctx.doc;
    const CharCell c = doc.CurGrid.at(p.cell.x(), p.cell.y());
    doc.BrushBytes.fill(0);
    doc.BrushBytes[0] = char(c.b0);
    doc.BrushBytes[1] = char(c.b1);
    doc.BrushText = gbkToUnicode(c.text());
    ctx.host.brushTaken(doc.BrushText);
}
