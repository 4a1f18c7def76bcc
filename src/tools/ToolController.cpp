// Pointer handling and the drawing tools.
#include "ToolController.h"

#include "document/ChildDocument.h"
#include "document/GbkText.h"
#include "editing/FloatingBlock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

class MoveGuard {
public:
    explicit MoveGuard(int& flag) : m_flag(flag) { m_flag = 1; }
    ~MoveGuard() { m_flag = 0; }

private:
    int& m_flag;
};

bool outside(const CellRect& r, QPoint c) {
    // Right and Bottom themselves count as inside.
    return c.x() < r.Left || c.x() > r.Right || c.y() < r.Top || c.y() > r.Bottom;
}

} // namespace

ToolController::ToolController(ChildDocument& doc, ToolHost& host) : m_doc(doc), m_host(host) {}

QPoint ToolController::cellAt(QPoint pixel) const {
    const QPoint p = pixel + hotSpotOffset(m_cursor);
    // Division truncating towards zero, then clamping: a pointer outside the drawing acts on the nearest edge
    // cell.
    const int col = std::clamp(p.x() / m_doc.CellWidth, 0, m_doc.GridWidth - 1);
    const int row = std::clamp(p.y() / m_doc.CellHeight, 0, m_doc.GridHeight - 1);
    return {col, row};
}

CharCell ToolController::brushCell() const {
    const quint8 a = quint8(m_doc.BrushBytes[0]);
    if (a == 0) return CharCell::blank();
    const quint8 b = quint8(m_doc.BrushBytes[1]);
    return CharCell::of(a, b ? b : quint8(' '));
}

void ToolController::press(const PointerEvent& e) {
    const QPoint cell = cellAt(e.pixel);
    if (e.left) {
        if (m_doc.SkipNextPress == 1) {
            m_doc.SkipNextPress = 0;
            return;
        }
        if (m_host.commitEditBox()) m_host.reDraw();
        const ToolRow& tool = toolRow(m_host.currentTool());
        if (tool.id != ToolId::Select || outside(m_doc.SelRect, cell)) {
            if (m_doc.PasteActive == 1) commitFloatingBlock(m_doc);
            m_doc.SelRect = {};
            m_host.reDrawAll();
        }
        pressTool(tool, cell);
    } else if (e.right) {
        // The right button abandons a polygon or curve in progress.
        if (m_doc.PolyCount > 0) {
            m_doc.PolyCount = 0;
            m_host.reDraw();
        }
        if (m_doc.CurveStage > 0) {
            m_doc.CurveStage = 0;
            m_host.reDraw();
        }
    }
}

void ToolController::move(const PointerEvent& e) {
    if (m_doc.InMouseMove == 1) return; // a move that arrives while one is handled is dropped
    MoveGuard guard(m_doc.InMouseMove);
    const ToolRow& tool = toolRow(m_host.currentTool());
    if (tool.cursor != m_cursor) {
        m_cursor = tool.cursor;
        m_host.setCanvasCursor(m_cursor);
    }
    const QPoint cell = cellAt(e.pixel);
    // The first move after another tool was chosen abandons a polygon or curve in progress.
    if (m_doc.PolyCount > 0 && tool.gesture != Gesture::PointByPoint) {
        m_doc.PolyCount = 0;
        m_host.reDraw();
    }
    if (tool.id != ToolId::Curve && m_doc.CurveStage > 0) {
        m_doc.CurveStage = 0;
        m_host.reDraw();
    }
    if (m_doc.PolyCount > 0) {
        rubberBand(cell);
        m_doc.LastX = cell.x();
        m_doc.LastY = cell.y();
    }
    if (e.left) moveTool(tool, cell);
}

void ToolController::release(const PointerEvent& e) {
    releaseTool(toolRow(m_host.currentTool()), cellAt(e.pixel));
}

void ToolController::doubleClick() {
    if (m_doc.PolyCount >= 3 && toolRow(m_host.currentTool()).gesture == Gesture::PointByPoint) {
        closePolygon();
        // The second click of the double-click arrives as a press next; it must not start a new polygon.
        m_doc.SkipNextPress = 1;
    }
}

void ToolController::pressTool(const ToolRow& tool, QPoint cell) {
    switch (tool.gesture) {
    case Gesture::Select:
        m_doc.LastX = cell.x();
        m_doc.LastY = cell.y();
        break;
    case Gesture::Freehand:
        m_doc.takeUndoSnapshot(tool.undoName);
        if (tool.id == ToolId::Pencil) {
            pencilPress(cell);
        } else if (tool.id == ToolId::Eraser) {
            erase(cell);
        } else if (tool.id == ToolId::Spray) {
            m_doc.LastX = cell.x();
            m_doc.LastY = cell.y();
            m_random.seed(m_host.clockSeed());
            m_host.setSprayTimer(true);
        }
        break;
    case Gesture::TwoPoints:
        m_doc.takeUndoSnapshot(tool.undoName);
        m_doc.AnchorX = cell.x();
        m_doc.AnchorY = cell.y();
        break;
    case Gesture::SeveralDrags:
        m_doc.takeUndoSnapshot(tool.undoName);
        m_doc.AnchorX = cell.x();
        m_doc.AnchorY = cell.y();
        if (m_doc.CurveStage >= 3) m_doc.CurveStage = 0; // a lost release must not run past the last point
        ++m_doc.CurveStage;
        m_doc.CurvePoints[m_doc.CurveStage - 1] = cell;
        break;
    case Gesture::PointByPoint:
        addVertex(tool, cell);
        break;
    case Gesture::OnePoint:
        if (tool.id == ToolId::Eyedropper) takeBrush(cell);
        break;
    }
}

void ToolController::moveTool(const ToolRow& tool, QPoint cell) {
    switch (tool.gesture) {
    case Gesture::Freehand:
        if (tool.id == ToolId::Pencil) {
            pencilMove(cell);
        } else if (tool.id == ToolId::Eraser) {
            erase(cell);
        } else if (tool.id == ToolId::Spray) {
            m_doc.LastX = cell.x();
            m_doc.LastY = cell.y();
        }
        break;
    case Gesture::TwoPoints:
    case Gesture::SeveralDrags:
        if (cell == QPoint(m_doc.LastX, m_doc.LastY)) return;
        m_raster.clear();
        if (tool.gesture == Gesture::TwoPoints)
            drawShape(tool, cell);
        else
            curveMove(cell);
        showPreview();
        m_doc.LastX = cell.x();
        m_doc.LastY = cell.y();
        break;
    default:
        break;
    }
}

void ToolController::releaseTool(const ToolRow& tool, QPoint cell) {
    if (tool.gesture == Gesture::TwoPoints) {
        commitPreview();
    } else if (tool.id == ToolId::Spray) {
        m_host.setSprayTimer(false);
    } else if (tool.id == ToolId::Curve) {
        if (m_doc.CurveStage == 1) {
            m_doc.CurvePoints[3] = cell;
        } else if (m_doc.CurveStage == 3) {
            commitPreview();
            m_doc.CurveStage = 0;
        }
    }
}

void ToolController::setCellDirect(QPoint cell, CharCell value) {
    m_host.paintText(cell.x(), cell.y(), value);
    m_doc.CurGrid.at(cell.x(), cell.y()) = value;
    m_doc.ShownGrid.at(cell.x(), cell.y()) = value;
}

void ToolController::pencilPress(QPoint cell) {
    setCellDirect(cell, brushCell());
    m_doc.LastX = cell.x();
    m_doc.LastY = cell.y();
}

void ToolController::pencilMove(QPoint cell) {
    const int dx = cell.x() - m_doc.LastX, dy = cell.y() - m_doc.LastY;
    if (std::abs(dx) >= 2 || std::abs(dy) >= 2) {
        // The pointer skipped cells: fill them with a line so the stroke stays connected.
        m_doc.CurGrid.at(cell.x(), cell.y()) = brushCell();
        m_raster.clear();
        m_raster.line({m_doc.LastX, m_doc.LastY}, cell);
        stampRaster();
        m_host.reDraw();
    } else {
        setCellDirect(cell, brushCell());
    }
    m_doc.LastX = cell.x();
    m_doc.LastY = cell.y();
}

void ToolController::erase(QPoint cell) {
    setCellDirect(cell, CharCell::blank());
}

void ToolController::takeBrush(QPoint cell) {
    const CharCell c = m_doc.CurGrid.at(cell.x(), cell.y());
    m_doc.BrushBytes.fill(0);
    m_doc.BrushBytes[0] = char(c.b0);
    m_doc.BrushBytes[1] = char(c.b1);
    m_doc.BrushText = gbkToUnicode(c.text());
    m_host.setBrushCaption(m_doc.BrushText);
}

void ToolController::sprayTick() {
    sprayTick([this] { return quint32(m_random()); });
}

void ToolController::sprayTick(const std::function<quint32()>& next) {
    const CharCell brush = brushCell();
    for (int i = 0; i < 10; ++i) {
        const int r = int(next() % 5);
        const int d = int(next() % 360);
        // The angle in radians as the spray has always computed it, with 3.14 for pi.
        const double a = d * 3.14 / 180;
        const int col = int(std::cos(a) * r + m_doc.LastX);
        const int row = int(m_doc.LastY - r * std::sin(a));
        if (col < 0 || col >= m_doc.GridWidth || row < 0 || row >= m_doc.GridHeight) continue;
        m_doc.CurGrid.at(col, row) = brush;
        m_doc.ShownGrid.at(col, row) = brush;
        m_host.paintText(col, row, brush);
    }
}

void ToolController::drawShape(const ToolRow& tool, QPoint cell) {
    const QPoint anchor(m_doc.AnchorX, m_doc.AnchorY);
    switch (tool.shape) {
    case Shape::Line:
        m_raster.line(anchor, cell);
        break;
    case Shape::Rectangle:
        m_raster.rectangle(anchor, cell, tool.filled);
        break;
    case Shape::Ellipse:
        m_raster.ellipse(anchor, cell, tool.filled);
        break;
    case Shape::RoundRect:
        // Corners rounded by an ellipse half as wide and half as high as the shape.
        m_raster.roundRect(anchor, cell, int(std::abs(cell.x() - anchor.x()) * 0.5),
                           int(std::abs(cell.y() - anchor.y()) * 0.5), tool.filled);
        break;
    default:
        break;
    }
}

void ToolController::curveMove(QPoint cell) {
    auto& p = m_doc.CurvePoints;
    switch (m_doc.CurveStage) {
    case 1:
        m_raster.line({m_doc.AnchorX, m_doc.AnchorY}, cell);
        break;
    case 2:
        p[1] = cell;
        p[2] = p[3];
        m_raster.bezier(p[0], p[1], p[2], p[3]);
        break;
    case 3:
        p[2] = cell;
        m_raster.bezier(p[0], p[1], p[2], p[3]);
        break;
    default:
        break;
    }
}

void ToolController::addVertex(const ToolRow& tool, QPoint cell) {
    if (m_doc.PolyCount == 0) m_doc.takeUndoSnapshot(tool.undoName);
    m_doc.AnchorX = cell.x();
    m_doc.AnchorY = cell.y();
    m_doc.PolyPoints[m_doc.PolyCount] = cell;
    ++m_doc.PolyCount;
    const int n = m_doc.PolyCount;
    if (n > 1 && (n > 19 || (n > 3 && cell == m_doc.PolyPoints[0]))) closePolygon();
}

void ToolController::closePolygon() {
    m_raster.clear();
    m_raster.polygon(std::span(m_doc.PolyPoints.data(), size_t(m_doc.PolyCount)),
                     toolRow(m_host.currentTool()).filled);
    stampRaster(); // straight into the drawing
    m_host.reDraw();
    m_doc.PolyCount = 0;
}

void ToolController::rubberBand(QPoint cell) {
    m_raster.clear();
    m_raster.polyline(std::span(m_doc.PolyPoints.data(), size_t(m_doc.PolyCount)));
    m_raster.line(m_doc.PolyPoints[m_doc.PolyCount - 1], cell);
    showPreview();
}

void ToolController::stampRaster() {
    m_raster.stamp(m_doc.CurGrid, m_doc.GridWidth, m_doc.GridHeight, brushCell());
}

void ToolController::showPreview() {
    m_doc.TempGrid.copyArea(m_doc.CurGrid, m_doc.GridWidth, m_doc.GridHeight);
    stampRaster();
    m_host.reDraw();
    m_doc.CurGrid.copyArea(m_doc.TempGrid, m_doc.GridWidth, m_doc.GridHeight);
}

void ToolController::commitPreview() {
    m_doc.CurGrid.copyArea(m_doc.ShownGrid, m_doc.GridWidth, m_doc.GridHeight);
}
