// Floating block operations.
#include "FloatingBlock.h"

#include "Drawing.h"

#include <algorithm>

QList<QByteArray> cellLines(ChildDocument& doc, int left, int top, int right, int bottom, bool blank) {
    QList<QByteArray> lines;
    for (int y = top; y < bottom; ++y) {
        QByteArray line;
        line.reserve(2 * (right - left));
        for (int x = left; x < right; ++x) {
            CharCell& c = doc.CurGrid.at(x, y);
            line += char(c.b0);
            line += char(c.b1);
            if (blank) c = CharCell::blank();
        }
        lines << line;
    }
    return lines;
}

void writeBlock(ChildDocument& doc, const CellRect& at, bool transparent) {
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
    const int right = std::min(at.Right, doc.GridWidth);
    const int bottom = std::min(at.Bottom, doc.GridHeight);
    for (int i = 0; i < bottom - top; ++i) {
        if (i + sy >= doc.PasteLines.size()) break; // a block never has fewer lines; be safe if it does
        const QByteArray& line = doc.PasteLines[i + sy];
        for (int j = 0; j < right - left; ++j) {
            const qsizetype pos = 2 * qsizetype(j + sx);
            if (pos + 1 >= line.size()) break;
            const uchar a = uchar(line[pos]), b = uchar(line[pos + 1]);
            if (transparent && a == ' ') continue; // judged by the first byte alone
            doc.CurGrid.at(left + j, top + i) = CharCell::of(a, b);
        }
    }
}

void clippedWrite(ChildDocument& doc) {
    writeBlock(doc, doc.SelRect, doc.PasteTransparent == 1);
}

void commitFloatingBlock(ChildDocument& doc) {
    clippedWrite(doc);
    dropFloatingBlock(doc);
}

void dropFloatingBlock(ChildDocument& doc) {
    doc.PasteActive = 0;
    doc.PasteTransparent = 0;
}

namespace {

QPoint corner(const Drawing& d, int col, int row) {
    return {col * d.CellWidth, row * d.CellHeight};
}

} // namespace

void showFloatingBlock(Drawing& d) {
    d.TempGrid.copyArea(d.CurGrid, d.GridWidth, d.GridHeight);
    clippedWrite(d);
    d.ReDrawAll();
    const CellRect& r = d.SelRect;
    d.drawFrame(corner(d, r.Left, r.Top), corner(d, r.Right, r.Bottom));
    d.CurGrid.copyArea(d.TempGrid, d.GridWidth, d.GridHeight);
}

void previewFloatingBlock(Drawing& d, int dx, int dy, bool transparent) {
    d.TempGrid.copyArea(d.CurGrid, d.GridWidth, d.GridHeight);
    writeBlock(d, d.SelRect.translated({dx, dy}), transparent);
    const CellRect& r = d.SelRect;
    d.drawFrame(corner(d, r.Left, r.Top), corner(d, r.Right, r.Bottom));
    d.ReDraw();
    d.CurGrid.copyArea(d.TempGrid, d.GridWidth, d.GridHeight);
}
