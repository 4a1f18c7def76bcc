// Converted cells into a drawing: as a floating block over an open drawing, or
// as a new drawing of their own size.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Drawing;
class DrawingHost;
struct CellRect;

// The lines (2 bytes a cell) become the drawing's floating block at `at`, shown
// whole (blank cells included) and framed; an earlier block goes unwritten and
// leaves its transparency to the new one. The caller has taken the undo snapshot.
void showNewBlock(Drawing& d, const CellRect& at, const QList<QByteArray>& lines);

// A new drawing of width x height cells holding the lines; nothing to undo, not yet modified.
Drawing& newDrawingOf(DrawingHost& host, const QList<QByteArray>& lines, int width, int height);
