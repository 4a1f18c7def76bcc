// What the tools need from the window that shows the drawing, beyond the
// drawing's own repaints.
#pragma once

#include "core/model/CharGrid.h"

#include <QPoint>
#include <QString>
#include <QtGlobal>

class ToolHost {
public:
    virtual ~ToolHost() = default;
    // Draws a cell's text straight onto the canvas, without clearing the cell first.
    virtual void paintText(int col, int row, CharCell cell) = 0;
    // Writes back an open in-place edit box; true if one was open.
    virtual bool commitEditBox() = 0;
    // A seed for the spray's random numbers, from the clock.
    virtual quint32 clockSeed() = 0;
    // Shows the edit box over a cell, holding the cell's text, all of it selected.
    virtual void openEditBox(QPoint cell) = 0;
    // Opens the text banner for this drawing, its text starting at the cell.
    virtual void openTextBanner(QPoint cell) = 0;
    // A hint in the frame's status bar.
    virtual void showStatus(const QString& text) = 0;
};
