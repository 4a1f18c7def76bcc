// Pointer handling and dispatch to the gestures.
#include "ToolController.h"

#include "core/model/Drawing.h"

#include <algorithm>

namespace {

class MoveGuard {
public:
    explicit MoveGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~MoveGuard() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

ToolController::ToolController(Drawing& doc, ToolHost& host) : m_ctx(doc, host) {}

Gesture& ToolController::gestureOf(const ToolRow& tool) {
    switch (tool.gesture) {
    case GestureKind::Select:
        return m_select;
    case GestureKind::Freehand:
        return m_freehand;
    case GestureKind::TwoPoints:
        return m_twoPoints;
    case GestureKind::SeveralDrags:
        return m_severalDrags;
    case GestureKind::PointByPoint:
        return m_pointByPoint;
    case GestureKind::OnePoint:
        return m_onePoint;
    case GestureKind::ModifyText:
        return m_modifyText;
    case GestureKind::TextBanner:
        break;
    }
    return m_textBanner;
}

QPoint ToolController::cellAt(QPoint pixel) const {
    const Drawing& doc = m_ctx.doc;
    const QPoint p = pixel + hotSpotOffset(m_cursor);
    // Division truncating towards zero, then clamping: a pointer outside the drawing acts on the nearest
    // edge cell.
    const double cell = kCellSize * m_zoom;
    const int col = std::clamp(int(std::clamp(p.x() / cell, -1.0, double(kGridMax))), 0, doc.GridWidth - 1);
    const int row = std::clamp(int(std::clamp(p.y() / cell, -1.0, double(kGridMax))), 0, doc.GridHeight - 1);
    return {col, row};
}

void ToolController::reset() {
    for (Gesture* g :
         std::initializer_list<Gesture*>{&m_select, &m_freehand, &m_twoPoints, &m_severalDrags,
                                         &m_pointByPoint, &m_onePoint, &m_modifyText, &m_textBanner})
        g->reset();
    m_ctx.skipNextPress = false;
    m_ctx.previewShown = false;
    m_ctx.spray(false);
}

void ToolController::press(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    Drawing& doc = m_ctx.doc;
    const Pointer p{cellAt(pixel), buttons, mods};
    if (p.left()) {
        if (std::exchange(m_ctx.skipNextPress, false)) return;
        if (m_ctx.host.commitEditBox()) doc.ReDraw();
        const ToolRow& tool = toolRow(m_tool);
        Gesture& gesture = gestureOf(tool);
        if (!gesture.keepsSelectionAt(m_ctx, p.cell)) {
            Selection& s = doc.selection;
            if (s.PasteActive) s.commit(doc.CurGrid, doc.GridWidth, doc.GridHeight);
            s.clear();
            doc.ReDrawAll();
        }
        gesture.press(m_ctx, tool, p);
    } else if (p.right()) {
        // The right button abandons a polygon or curve in progress.
        for (Gesture* g : m_spanning)
            if (g->inProgress(m_ctx)) g->cancel(m_ctx);
    }
}

void ToolController::move(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    if (m_inMove) return; // a move that arrives while one is handled is dropped
    MoveGuard guard(m_inMove);
    const ToolRow& tool = toolRow(m_tool);
    if (tool.cursor != m_cursor) {
        m_cursor = tool.cursor;
        m_ctx.host.showCursor(m_cursor);
    }
    const Pointer p{cellAt(pixel), buttons, mods};
    Gesture& gesture = gestureOf(tool);
    // The first move after another tool was chosen abandons a polygon or curve in progress.
    for (Gesture* g : m_spanning)
        if (g != &gesture && g->inProgress(m_ctx)) g->cancel(m_ctx);
    gesture.hover(m_ctx, tool, p);
    if (p.left()) gesture.move(m_ctx, tool, p);
}

void ToolController::release(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    const ToolRow& tool = toolRow(m_tool);
    gestureOf(tool).release(m_ctx, tool, Pointer{cellAt(pixel), button, mods});
}

void ToolController::doubleClick() {
    const ToolRow& tool = toolRow(m_tool);
    gestureOf(tool).doubleClick(m_ctx, tool);
}

void ToolController::sprayTick() {
    sprayTick([this] { return quint32(m_ctx.random()); });
}

void ToolController::sprayTick(const std::function<quint32()>& next) {
    FreehandGesture::sprayTick(m_ctx, next);
}
