// Steps the tools share.
#include "ToolContext.h"

#include "core/model/Drawing.h"
#include "core/model/ScopedPreview.h"

CharCell ToolContext::brushCell() const {
    const quint8 a = quint8(doc.BrushBytes[0]);
    if (a == 0) return CharCell::blank();
    const quint8 b = quint8(doc.BrushBytes[1]);
    return CharCell::of(a, b ? b : quint8(' '));
}

void ToolContext::setCellDirect(QPoint cell, CharCell value) {
    host.paintText(cell.x(), cell.y(), value);
    doc.CurGrid.at(cell.x(), cell.y()) = value;
    doc.ShownGrid.at(cell.x(), cell.y()) = value;
}

void ToolContext::stampRaster() {
    raster.stamp(doc.CurGrid, doc.GridWidth, doc.GridHeight, brushCell());
}

void ToolContext::showPreview() {
    {
        ScopedPreview preview(doc);
        stampRaster();
        doc.ReDraw();
    }
    previewShown = true;
}

void ToolContext::commitPreview() {
    if (!previewShown) return; // pressed and released in one cell: nothing new
    stampRaster();
    previewShown = false;
}

void ToolContext::spray(bool on) {
    if (on == m_spraying) return;
    m_spraying = on;
    host.runSprayTimer(on);
}
