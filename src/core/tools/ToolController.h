// Pointer handling of a drawing: maps canvas pixels to cells with the hot-spot
// offset of the cursor shown, runs the steps common to every press, and hands
// each event to the gesture of the current tool's row. Knows nothing of widgets:
// the drawing window passes plain values and reads back what the tools want of
// it (the cursor, the spray's timer, a new brush text).
#pragma once

#include "FreehandGesture.h"
#include "ModifyTextGesture.h"
#include "OnePointGesture.h"
#include "PointByPointGesture.h"
#include "SelectGesture.h"
#include "SeveralDragsGesture.h"
#include "TextBannerGesture.h"
#include "ToolContext.h"
#include "ToolTable.h"
#include "TwoPointsGesture.h"

#include <array>
#include <functional>

class ToolController {
public:
    ToolController(Drawing& doc, ToolHost& host);

    void press(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, ToolId tool);
    void move(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, ToolId tool);
    void release(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers mods, ToolId tool);
    void doubleClick(ToolId tool);
    // One tick of the spray's timer.
    void sprayTick();
    // The same with the random numbers given (each call returns the next one).
    void sprayTick(const std::function<quint32()>& next);

    // Pixel to cell: the cursor's hot-spot offset added, divided by the cell size,
    // clamped to the drawing.
    QPoint cellAt(QPoint pixel) const;
    CursorSlot cursorShown() const { return m_cursor; }
    bool ticking() const { return m_ctx.ticking; }
    // True once after a tool took a new brush text.
    bool takeBrushChanged();

private:
    Gesture& gestureOf(const ToolRow& tool);

    ToolContext m_ctx;
    CursorSlot m_cursor = ArrowCursor;
    SelectGesture m_select;
    FreehandGesture m_freehand;
    TwoPointsGesture m_twoPoints;
    SeveralDragsGesture m_severalDrags;
    PointByPointGesture m_pointByPoint;
    OnePointGesture m_onePoint;
    ModifyTextGesture m_modifyText;
    TextBannerGesture m_textBanner;
    // The gestures that can hold something unfinished, in the order a cancel visits them.
    std::array<Gesture*, 2> m_spanning{&m_pointByPoint, &m_severalDrags};
};
