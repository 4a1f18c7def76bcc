// Converted cells into a drawing: as a floating block over an open drawing, or
// as a new drawing of their own size.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Drawing;
class DrawingHost;
struct CellRect;

// The first step of placing a new floating block: a block still floating is written
// where it floats (it holds cells that are in no grid, so dropping it would lose them),
// then the undo snapshot, so that Undo returns to the drawing as it was shown. The old
// block's see-through choice stays for the new one.
void beginBlockStep(Drawing& d, const QString& undoName);
// The lines (2 bytes a cell) become the drawing's floating block at `at`, shown
// whole (blank cells included) and framed. The caller has begun the step.
void showNewBlock(Drawing& d, const CellRect& at, const QList<QByteArray>& lines);
// Both of the above.
void placeNewBlock(Drawing& d, const QString& undoName, const CellRect& at, const QList<QByteArray>& lines);

// A new drawing of width x height cells holding the lines: nothing to undo, and unsaved work.
Drawing& newDrawingOf(DrawingHost& host, const QList<QByteArray>& lines, int width, int height);
