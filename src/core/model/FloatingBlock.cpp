// Floating block operations.
#include "FloatingBlock.h"

#include "ChildDocument.h"

#include <algorithm>

void clippedWrite(ChildDocument& doc) {
    int left = doc.SelRect.Left, top = doc.SelRect.Top;
    int sx = 0, sy = 0;
    if (left < 0) {
        sx = -left;
        left = 0;
    }
    if (top < 0) {
        sy = -top;
        top = 0;
    }
    const int right = std::min(doc.SelRect.Right, doc.GridWidth);
    const int bottom = std::min(doc.SelRect.Bottom, doc.GridHeight);
    for (int i = 0; i < bottom - top; ++i) {
        if (i + sy >= doc.PasteLines.size()) break; // a block never has fewer lines; be safe if it does
        const QByteArray& line = doc.PasteLines[i + sy];
        for (int j = 0; j < right - left; ++j) {
            const qsizetype at = 2 * qsizetype(j + sx);
            if (at + 1 >= line.size()) break;
            const uchar a = uchar(line[at]), b = uchar(line[at + 1]);
            if (doc.PasteTransparent == 1 && a == ' ') continue;
            doc.CurGrid.at(left + j, top + i) = CharCell::of(a, b);
        }
    }
}

void commitFloatingBlock(ChildDocument& doc) {
    clippedWrite(doc);
    dropFloatingBlock(doc);
}

void dropFloatingBlock(ChildDocument& doc) {
    doc.PasteActive = 0;
    doc.PasteTransparent = 0;
}
