// The one way out of the tools to the window that shows the drawing: repaints of single
// cells, the cursor, the spray's timer, the status bar, the brush the palette shows, and the
// boxes a tool opens. Events come in through the ToolController; nothing is polled.
#pragma once

#include "ToolTable.h"
#include "core/model/CharGrid.h"

#include <QPoint>
#include <QString>
#include <QtGlobal>

class ToolHost {
public:
    virtual ~ToolHost() = default;
    // Draws a cell's text straight onto the canvas, without clearing the cell first.
    virtual void paintText(int col, int row, CharCell cell) = 0;
    // The canvas shows this cursor from now on.
    virtual void showCursor(CursorSlot slot) = 0;
    // The spray's timer runs (calling ToolController::sprayTick) or stops.
    virtual void runSprayTimer(bool on) = 0;
    // A tool took this brush text (the eyedropper): the palette shows it.
    virtual void brushTaken(const QString& text) = 0;
    // A hint in the frame's status bar.
    virtual void showStatus(const QString& text) = 0;
    // Writes back an open in-place edit box; true if one was open.
    virtual bool commitEditBox() = 0;
    // Shows the edit box over a cell, holding the cell's text, all of it selected.
    virtual void openEditBox(QPoint cell) = 0;
    // Opens the text banner for this drawing, its text starting at the cell.
    virtual void openTextBanner(QPoint cell) = 0;
    // A seed for the spray's random numbers, from the clock.
    virtual quint32 clockSeed() = 0;
};
