// What every gesture works with: the drawing, the window's tool services, the
// cell raster, the pointer places the tools share, and the steps the tools share
// (painting a cell directly, the preview, the commit of the previewed shape).
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
    // The cell where the gesture in hand was pressed, and the pointer's cell at the last
    // update. Shared by the tools and kept between gestures: a shape's first move into the
    // cell the last gesture ended in draws nothing.
    QPoint anchor{0, 0};
    QPoint last{0, 0};
    bool previewShown = false;  // the raster holds a shape shown by showPreview and not yet committed
    bool skipNextPress = false; // the second click of a double-click that closed a polygon

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
    // The spray's timer on or off, told to the window only when that changes.
    void spray(bool on);
    bool spraying() const { return m_spraying; }

private:
    bool m_spraying = false;
};
