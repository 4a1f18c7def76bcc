// Placing converted cells.
#include "PlaceBlock.h"

#include "DrawingHost.h"
#include "core/model/Drawing.h"

void beginBlockStep(Drawing& d, const QString& undoName) {
    Selection& s = d.selection;
    if (s.PasteActive) {
        const bool transparent = s.PasteTransparent;
        s.commit(d.CurGrid, d.GridWidth, d.GridHeight);
        s.PasteTransparent = transparent;
    }
    d.takeUndoSnapshot(undoName);
}

void placeNewBlock(Drawing& d, const QString& undoName, const CellRect& at, const QList<QByteArray>& lines) {
    beginBlockStep(d, undoName);
    showNewBlock(d, at, lines);
}

void showNewBlock(Drawing& d, const CellRect& at, const QList<QByteArray>& lines) {
    d.selection.place(at, lines);
    d.selection.showWhole(d); // every cell of the new block shows, blank ones too
}

Drawing& newDrawingOf(DrawingHost& host, const QList<QByteArray>& lines, int width, int height) {
    Drawing& d = host.createDrawing(width, height);
    for (int y = 0; y < d.GridHeight && y < lines.size(); ++y)
        for (int x = 0; x < d.GridWidth && 2 * x + 1 < lines[y].size(); ++x)
            d.CurGrid.at(x, y) = CharCell::of(uchar(lines[y][2 * x]), uchar(lines[y][2 * x + 1]));
    d.ReDraw();
    // The converted picture is work of the user's not saved anywhere: closing the drawing asks
    // about it, as it does after an import into an open drawing. There is nothing to undo.
    ++d.ChangeCount;
    return d;
}
