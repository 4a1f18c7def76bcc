// The floating block: cells shown over a drawing but not yet written into it.
// Between events the current grid never holds it; only a commit writes it.
#pragma once

#include <QByteArray>
#include <QList>

class ChildDocument;
class Drawing;
struct CellRect;

// The cells of columns left..right-1, rows top..bottom-1 as lines of their text
// bytes, one line a row; with `blank`, each cell becomes two spaces once read.
QList<QByteArray> cellLines(ChildDocument& doc, int left, int top, int right, int bottom, bool blank);

// Writes the block's lines into the current grid with the block at `at`, clipped
// to the area in use; parts outside stay in the lines. With `transparent`, block
// cells whose first byte is a space leave the grid as it is.
void writeBlock(ChildDocument& doc, const CellRect& at, bool transparent);
// The block at SelRect, honouring PasteTransparent.
void clippedWrite(ChildDocument& doc);
// Writes the block into the drawing and ends it. Takes no undo step and does not repaint.
void commitFloatingBlock(ChildDocument& doc);
// Ends the block without writing it.
void dropFloatingBlock(ChildDocument& doc);
// Shows the block over the drawing with its frame; the drawing itself stays without it.
void showFloatingBlock(Drawing& d);
// Shows the block moved by (dx, dy) from SelRect, framed where it stood: a drag's preview.
void previewFloatingBlock(Drawing& d, int dx, int dy, bool transparent);
