// What every gesture works with: the drawing, the window's tool services, the
// cell raster, and the steps the tools share (painting a cell directly, the
// preview through the scratch grid, the commit of the shown grid).
#pragma once

#include "CellRaster.h"
#include "ToolHost.h"

#include <QPoint>

#include <random>

class Drawing;

class ToolContext {
public:
    ToolContext(Drawing& doc, ToolHost& host) : doc(doc), host(host) {}

    Drawing& doc;
    ToolHost& host;
    CellRaster raster;
    std::mt19937 random;
    bool ticking = false;      // the spray wants its timer
    bool brushChanged = false; // a tool took a new brush text; the palette should show it
    bool previewShown = false; // the raster holds a shape shown by showPreview and not yet committed

    // The brush as a cell: a one-byte brush is padded with a space, so every cell
    // stays a pair of text bytes.
    CharCell brushCell() const;
    // Paints a cell on the canvas directly and writes it into the current and shown grids.
    void setCellDirect(QPoint cell, CharCell value);
    // Writes the brush into every cell of the drawing whose raster pixel is black.
    void stampRaster();
    // Shows the raster stamped over the drawing without changing the drawing.
    void showPreview();
    // The shape of the last preview becomes part of the drawing. Stamped again rather than
    // taken from the shown grid, which may also show a floating block.
    void commitPreview();
    // LastX, LastY := cell.
    void remember(QPoint cell);
    QPoint last() const;
    QPoint anchor() const;
};
