// The selection of a drawing and its floating block: a rectangle of cells shown over
// the drawing but kept in lines of its own until it is committed. Between events the
// current grid never holds the block, and nothing but commit writes it there; a tool's
// commit never does.
#pragma once

#include "CharGrid.h"

#include <QByteArray>
#include <QList>
#include <QPoint>

class Drawing;

// A rectangle of cells; Left and Top inclusive, Right and Bottom exclusive.
struct CellRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    // (0, 0, 0, 0): no selection.
    bool isZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    // Right and Bottom themselves count as inside.
    bool containsInclusive(QPoint c) const {
        return c.x() >= Left && c.x() <= Right && c.y() >= Top && c.y() <= Bottom;
    }
    CellRect translated(QPoint d) const { return {Left + d.x(), Top + d.y(), Right + d.x(), Bottom + d.y()}; }

    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The cells of columns left..right-1, rows top..bottom-1 as lines of their text bytes, one
// line a row; with `blank`, each cell becomes two spaces once read.
QList<QByteArray> cellLines(CharGrid& grid, int left, int top, int right, int bottom, bool blank);

class Selection {
public:
    // The selection, or while a block floats its place, which may reach past any edge.
    CellRect SelRect;
    // Row i of the block is line i; bytes 2j and 2j + 1 are the text of its column j.
    QList<QByteArray> PasteLines;
    bool PasteActive = false;      // a block floats
    bool PasteTransparent = false; // its cells whose first byte is a space leave the drawing as it is

    // Nothing selected and no block.
    void clear();
    // The selected cells of `grid` become the block where they stand; unless a copy is left,
    // they become blank. The caller has taken the undo step.
    void lift(CharGrid& grid, bool leaveCopy);
    // A new block of `lines` at `at`, not shown yet; the see-through choice stays as it was.
    void place(const CellRect& at, QList<QByteArray> lines);
    // The block moves by d; its place is kept as it comes out, past the edges too.
    void moveBy(QPoint d);
    // Writes the block where it floats into the drawing and ends it. Takes no undo step and
    // does not repaint: the caller resets or replaces SelRect and repaints.
    void commit(CharGrid& grid, int width, int height);
    // Ends the block without writing it.
    void drop();

    // Shows the block over the drawing, framed, honouring its see-through cells (a drop), or
    // with every cell (a block a dialog placed); the drawing itself stays without it.
    void show(Drawing& d) const;
    void showWhole(Drawing& d) const;
    // A drag's preview: the block moved by `offset`, framed where it stood.
    void preview(Drawing& d, QPoint offset, bool transparent) const;

    // Writes the block with its top left at `at` into the width x height area of `grid`,
    // clipped to it; parts outside stay in the lines.
    void write(CharGrid& grid, int width, int height, const CellRect& at, bool transparent) const;
};
