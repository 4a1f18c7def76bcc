// Typing into cells.
#include "ModifyTextGesture.h"

#include "ToolContext.h"
#include "ToolTable.h"
#include "core/model/Drawing.h"

void ModifyTextGesture::press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) {
    Drawing& d = ctx.doc;
    d.takeUndoSnapshot(tool.undoName);
    ctx.anchor = p.cell;
    ctx.host.openEditBox(p.cell);
}

CharCell EditBox::written(QByteArrayView typed, bool edited) const {
    if (!edited) return original;
    return CharCell::of(typed.size() > 0 ? quint8(typed[0]) : quint8(' '),
                        typed.size() > 1 ? quint8(typed[1]) : quint8(' '));
}

QPoint editCellAfter(QPoint c, EditMove move, int width, int height) {
    switch (move) {
    case EditMove::Left:
        if (c == QPoint(0, 0)) return c;
        return c.x() > 0 ? QPoint(c.x() - 1, c.y()) : QPoint(width - 1, c.y() - 1);
    case EditMove::Right:
        if (c == QPoint(width - 1, height - 1)) return c;
        return c.x() < width - 1 ? QPoint(c.x() + 1, c.y()) : QPoint(0, c.y() + 1);
    case EditMove::Down:
        return c.y() == height - 1 ? c : QPoint(c.x(), c.y() + 1);
    case EditMove::Up:
        return c.y() == 0 ? c : QPoint(c.x(), c.y() - 1);
    }
    return c;
}
