// A drawing as commands and tools see it: the document with the two ways its
// grids reach the screen and the caption of its window. The drawing window
// implements it; tests implement it over a bare canvas.
#pragma once

#include "ChildDocument.h"

class Drawing : public ChildDocument {
public:
    using ChildDocument::ChildDocument;
    virtual ~Drawing() = default;

    // Paints the cells whose current text differs from what the canvas shows.
    virtual void ReDraw() = 0;
    // Repaints the whole canvas: grid lines and every cell.
    virtual void ReDrawAll() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Frames drawn over the canvas until the next full repaint: the selection's blue frame
    // around cells, the same around the whole drawing from just inside its top left corner,
    // and the rubber band between the corners of two cells, which a second drawing erases.
    virtual void drawFrame(const CellRect& cells) = 0;
    virtual void frameAll() = 0;
    virtual void xorBand(QPoint fromCell, QPoint toCell) = 0;
    // The window shows a fresh drawing of width x height blank cells (resetTo) on a canvas of that size.
    virtual void reopenAs(int width, int height) = 0;
};
