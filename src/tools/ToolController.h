// Pointer handling of a drawing: maps canvas pixels to cells with the hot-spot
// offset of the cursor shown, runs the steps common to every press, and hands
// each event to the current tool. Knows nothing of widgets: the drawing window
// gives it plain pointer values and carries out what it asks through ToolHost.
#pragma once

#include "CellRaster.h"
#include "ToolTable.h"

#include <QPoint>

#include <functional>
#include <random>

class ChildDocument;

struct PointerEvent {
    QPoint pixel;      // position on the canvas picture
    bool left = false; // left button among the buttons down (press, move) or released (release)
    bool right = false;
    bool ctrl = false, alt = false, shift = false;
};

class ToolHost {
public:
    virtual ~ToolHost() = default;
    virtual ToolId currentTool() const = 0;
    virtual void reDraw() = 0;
    virtual void reDrawAll() = 0;
    // Draws a cell's text straight onto the canvas, without clearing the cell first.
    virtual void paintText(int col, int row, CharCell cell) = 0;
    virtual void setCanvasCursor(CursorSlot slot) = 0;
    // The palette's brush button shows the brush text the eyedropper took.
    virtual void setBrushCaption(const QString& text) = 0;
    virtual void setSprayTimer(bool on) = 0;
    virtual quint32 clockSeed() = 0;
    // Writes back an open in-place edit box; true if one was open.
    virtual bool commitEditBox() = 0;
};

class ToolController {
public:
    ToolController(ChildDocument& doc, ToolHost& host);

    void press(const PointerEvent& e);
    void move(const PointerEvent& e);
    void release(const PointerEvent& e);
    void doubleClick();
    // One tick of the spray's timer: ten points around the spray centre.
    void sprayTick();
    // The same with the random numbers given (each call returns the next one).
    void sprayTick(const std::function<quint32()>& next);

    // Pixel to cell: the cursor's hot-spot offset added, divided by the cell size,
    // clamped to the drawing.
    QPoint cellAt(QPoint pixel) const;
    CursorSlot cursorShown() const { return m_cursor; }
    CellRaster& raster() { return m_raster; }

    // The brush as a cell: a one-byte brush is padded with a space, so every cell
    // stays a pair of text bytes.
    CharCell brushCell() const;

private:
    void pressTool(const ToolRow& tool, QPoint cell);
    void moveTool(const ToolRow& tool, QPoint cell);
    void releaseTool(const ToolRow& tool, QPoint cell);

    void pencilPress(QPoint cell);
    void pencilMove(QPoint cell);
    void erase(QPoint cell);
    void takeBrush(QPoint cell);
    void setCellDirect(QPoint cell, CharCell value);

    // Draws the tool's shape from the anchor to the cell on the cleared raster.
    void drawShape(const ToolRow& tool, QPoint cell);
    void curveMove(QPoint cell);
    void addVertex(const ToolRow& tool, QPoint cell);
    void closePolygon();
    void rubberBand(QPoint cell);
    // Shows the raster stamped over the drawing without changing the drawing.
    void showPreview();
    // The shown grid, which holds the last preview, becomes the drawing.
    void commitPreview();
    void stampRaster();

    ChildDocument& m_doc;
    ToolHost& m_host;
    CellRaster m_raster;
    CursorSlot m_cursor = ArrowCursor;
    std::mt19937 m_random;
};
