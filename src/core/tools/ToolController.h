// Pointer handling of a drawing: maps canvas pixels to cells with the hot-spot
// offset of the cursor shown, runs the steps common to every press, and hands
// each event to the gesture of the current tool's row. Knows nothing of widgets:
// the window pushes pointer events and the palette's tool in, and hears back
// through its ToolHost (cursor, spray timer, brush, boxes, status).
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

    // The palette's tool, from now on.
    void setTool(ToolId id) { m_tool = id; }
    ToolId tool() const { return m_tool; }

    void press(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
    void move(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
    void release(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void doubleClick();
    // One tick of the spray's timer.
    void sprayTick();
    // The same with the random numbers given (each call returns the next one).
    void sprayTick(const std::function<quint32()>& next);
    // The drawing was made afresh: nothing is in progress any more.
    void reset();

    // Pixel to cell: the cursor's hot-spot offset added, divided by the cell size at the zoom
    // shown (the offsets stay in pixels of the screen: cursors do not zoom), clamped to the
    // drawing.
    QPoint cellAt(QPoint pixel) const;
    void setZoom(double zoom) { m_zoom = zoom; }
    CursorSlot cursorShown() const { return m_cursor; }

    // What the gestures keep between events, for those who show or check it.
    QPoint anchor() const { return m_ctx.anchor; }
    const PointByPointGesture& polygon() const { return m_pointByPoint; }
    const SeveralDragsGesture& curve() const { return m_severalDrags; }
    bool banding() const { return m_select.banding(); }

private:
    Gesture& gestureOf(const ToolRow& tool);

    ToolContext m_ctx;
    ToolId m_tool = ToolId::Select;
    CursorSlot m_cursor = ArrowCursor;
    double m_zoom = 1.0;
    bool m_inMove = false; // a move that arrives while one is handled (a repaint let it in) is dropped
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
