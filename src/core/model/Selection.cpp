// The selection and the floating block.
#include "Selection.h"

#include "Drawing.h"
#include "ScopedPreview.h"

#include <algorithm>

QList<QByteArray> cellLines(CharGrid& grid, int left, int top, int right, int bottom, bool blank) {
    QList<QByteArray> lines;
    for (int y = top; y < bottom; ++y) {
        QByteArray line;
        line.reserve(2 * (right - left));
        for (int x = left; x < right; ++x) {
            CharCell& c = grid.at(x, y);
            line += char(c.b0);
            line += char(c.b1);
            if (blank) c = CharCell::blank();
        }
        lines << line;
    }
    return lines;
}

void Selection::clear() {
    SelRect = {};
}

void Selection::lift(CharGrid& grid, bool leaveCopy) {
    PasteActive = true;
    PasteLines = cellLines(grid, SelRect.Left, SelRect.Top, SelRect.Right, SelRect.Bottom, !leaveCopy);
}

void Selection::place(const CellRect& at, QList<QByteArray> lines) {
    SelRect = at;
    PasteLines = std::move(lines);
    PasteActive = true;
}

void Selection::moveBy(QPoint d) {
    SelRect = SelRect.translated(d);
}

void Selection::write(CharGrid& grid, int width, int height, const CellRect& at, bool transparent) const {
    int left = at.Left, top = at.Top;
    int sx = 0, sy = 0;
    if (left < 0) {
        sx = -left;
        left = 0;
    }
    if (top < 0) {
        sy = -top;
        top = 0;
    }
    const int right = std::min(at.Right, width);
    const int bottom = std::min(at.Bottom, height);
    for (int i = 0; i < bottom - top; ++i) {
        if (i + sy >= PasteLines.size()) break; // a block never has fewer lines; be safe if it does
        const QByteArray& line = PasteLines[i + sy];
        for (int j = 0; j < right - left; ++j) {
            const qsizetype pos = 2 * qsizetype(j + sx);
            if (pos + 1 >= line.size()) break;
            const uchar a = uchar(line[pos]), b = uchar(line[pos + 1]);
            if (transparent && a == ' ') continue; // judged by the first byte alone
            grid.at(left + j, top + i) = CharCell::of(a, b);
        }
    }
}

void Selection::commit(CharGrid& grid, int width, int height) {
    write(grid, width, height, SelRect, PasteTransparent);
    drop();
}

void Selection::drop() {
    PasteActive = false;
    PasteTransparent = false;
}

void Selection::show(Drawing& d) const {
    ScopedPreview preview(d);
    write(d.CurGrid, d.GridWidth, d.GridHeight, SelRect, PasteTransparent);
    d.ReDrawAll();
    d.drawFrame(SelRect);
}

void Selection::showWhole(Drawing& d) const {
    ScopedPreview preview(d);
    write(d.CurGrid, d.GridWidth, d.GridHeight, SelRect, false);
    d.ReDrawAll();
    d.drawFrame(SelRect);
}

void Selection::preview(Drawing& d, QPoint offset, bool transparent) const {
    ScopedPreview preview(d);
    write(d.CurGrid, d.GridWidth, d.GridHeight, SelRect.translated(offset), transparent);
    d.drawFrame(SelRect);
    d.ReDraw();
}
