// Line, rectangles, ellipses and rounded rectangles: a shape from the pressed
// cell to the pointer, previewed at every move into another cell and committed
// at the release.
#pragma once

#include "Gesture.h"

class CellRaster;
enum class Shape;

class TwoPointsGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void release(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void reset() override { m_pressed = false; }

private:
    bool m_pressed = false; // a left press began the shape; only its own release commits it
};

// Draws a shape spanned by two cells on the raster, one draw function per shape.
void drawShape(CellRaster& raster, Shape shape, bool filled, QPoint a, QPoint b);
