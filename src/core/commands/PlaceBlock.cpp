// Placing converted cells.
#include "PlaceBlock.h"

#include "DrawingHost.h"
#include "core/model/Drawing.h"
#include "core/model/FloatingBlock.h"

void beginBlockStep(Drawing& d, const QString& undoName) {
    if (d.PasteActive == 1) {
        const int transparent = d.PasteTransparent;
        commitFloatingBlock(d);
        d.PasteTransparent = transparent;
    }
    d.takeUndoSnapshot(undoName);
}

void placeNewBlock(Drawing& d, const QString& undoName, const CellRect& at, const QList<QByteArray>& lines) {
    beginBlockStep(d, undoName);
    showNewBlock(d, at, lines);
}

void showNewBlock(Drawing& d, const CellRect& at, const QList<QByteArray>& lines) {
    d.SelRect = at;
    d.PasteActive = 1;
    d.PasteLines = lines;
    d.TempGrid.copyArea(d.CurGrid, d.GridWidth, d.GridHeight);
    writeBlock(d, at, false); // every cell of the new block shows, blank ones too
    d.ReDrawAll();
    d.drawFrame({at.Left * d.CellWidth, at.Top * d.CellHeight},
                {at.Right * d.CellWidth, at.Bottom * d.CellHeight});
    d.CurGrid.copyArea(d.TempGrid, d.GridWidth, d.GridHeight);
}

Drawing& newDrawingOf(DrawingHost& host, const QList<QByteArray>& lines, int width, int height) {
    Drawing& d = host.createDrawing(width, height);
    for (int y = 0; y < d.GridHeight && y < lines.size(); ++y)
        for (int x = 0; x < d.GridWidth && 2 * x + 1 < lines[y].size(); ++x)
            d.CurGrid.at(x, y) = CharCell::of(uchar(lines[y][2 * x]), uchar(lines[y][2 * x + 1]));
    d.ReDraw();
    return d;
}
