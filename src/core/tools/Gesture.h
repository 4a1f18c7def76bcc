// A way of gathering points from the pointer. One class per way; the tools that
// share a gesture differ only by the data in their table rows.
#pragma once

#include "Pointer.h"

class ToolContext;
struct ToolRow;

class Gesture {
public:
    virtual ~Gesture() = default;

    // Left button pressed, after the steps common to every press.
    virtual void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) = 0;
    // Every pointer move over the canvas, with or without a button, before move().
    virtual void hover(ToolContext&, const ToolRow&, const Pointer&) {}
    // A pointer move with the left button down.
    virtual void move(ToolContext&, const ToolRow&, const Pointer&) {}
    // Any button released.
    virtual void release(ToolContext&, const ToolRow&, const Pointer&) {}
    virtual void doubleClick(ToolContext&, const ToolRow&) {}

    // Something spans several presses and is not in the drawing yet (a curve, a polygon).
    virtual bool inProgress(const ToolContext&) const { return false; }
    // Abandons it: the right button, or another tool moved over the canvas.
    virtual void cancel(ToolContext&) {}
    // A press at this cell keeps the selection and a floating block as they are.
    virtual bool keepsSelectionAt(const ToolContext&, QPoint) const { return false; }
    // Forgets whatever the gesture keeps between events: the drawing was made afresh.
    virtual void reset() {}
};
