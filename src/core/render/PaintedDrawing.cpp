// A drawing painted on its canvas.
#include "PaintedDrawing.h"

#include "CanvasFont.h"

#include <utility>

// The picture is made when the drawing is first shown, at its size then.
PaintedDrawing::PaintedDrawing() = default;

void PaintedDrawing::changed(const QRect& pixels) {
    // A repaint may have had to make the picture anew, at another size.
    if (m_canvas.picture().size() != m_size) {
        m_size = m_canvas.picture().size();
        if (m_view) m_view->pictureReplaced();
    } else if (m_view && !pixels.isEmpty()) {
        m_view->pictureChanged(pixels);
    }
}

void PaintedDrawing::resetCanvas() {
    m_overlays.clear();
    m_canvas.setFont(FontName, FontSize);
    m_canvas.reset(GridWidth, GridHeight);
    m_size = m_canvas.picture().size();
    if (m_view) m_view->pictureReplaced();
}

void PaintedDrawing::paintText(int col, int row, CharCell cell) {
    m_canvas.cellPainter().paintText(m_canvas.picture(), col, row, cell);
    changed(m_canvas.cellRect(col, row));
}

bool PaintedDrawing::setGeometry(const CellGeometry& geometry) {
    if (geometry == m_canvas.geometry()) return true;
    const CellGeometry before = m_canvas.geometry();
    m_canvas.setGeometry(geometry);
    // The cells as the picture shows them now, which may hold a block shown over the drawing.
    const CharGrid shown = ShownGrid;
    m_canvas.reDrawAll(shown, ShownGrid, GridWidth, GridHeight);
    if (m_canvas.picture().isNull()) {
        m_canvas.setGeometry(before);
        m_canvas.reDrawAll(shown, ShownGrid, GridWidth, GridHeight);
        replayOverlays();
        changed(m_canvas.picture().rect());
        return false;
    }
    replayOverlays();
    changed(m_canvas.picture().rect());
    return true;
}

void PaintedDrawing::remember(const Overlay& frame) {
    // A block's drag draws the frame where it stood at every step: once is enough to draw it again.
    for (const Overlay& o : std::as_const(m_overlays))
        if (o.kind == frame.kind && o.cells == frame.cells) return;
    m_overlays.append(frame);
}

void PaintedDrawing::replayOverlays() {
    for (const Overlay& o : std::as_const(m_overlays)) {
        const CellRect& c = o.cells;
        switch (o.kind) {
        case Overlay::Frame:
            m_canvas.drawFrame(c);
            break;
        case Overlay::FrameAll:
            m_canvas.frameAll(GridWidth, GridHeight);
            break;
        case Overlay::Band:
            m_canvas.xorBand({c.Left, c.Top}, {c.Right, c.Bottom});
            break;
        }
    }
}

void PaintedDrawing::ReDraw() {
    changed(m_canvas.reDraw(CurGrid, ShownGrid, GridWidth, GridHeight));
}

void PaintedDrawing::ReDrawAll() {
    m_overlays.clear();
    changed(m_canvas.reDrawAll(CurGrid, ShownGrid, GridWidth, GridHeight));
}

void PaintedDrawing::setCaption(const QString& caption) {
    m_caption = caption;
    if (m_view) m_view->captionChanged(caption);
}

void PaintedDrawing::drawFrame(const CellRect& cells) {
    remember({Overlay::Frame, cells});
    changed(m_canvas.drawFrame(cells));
}

void PaintedDrawing::frameAll() {
    remember({Overlay::FrameAll, {}});
    changed(m_canvas.frameAll(GridWidth, GridHeight));
}

void PaintedDrawing::xorBand(QPoint fromCell, QPoint toCell) {
    // A band drawn again is erased: the pair leaves nothing to draw at another size.
    const CellRect corners{fromCell.x(), fromCell.y(), toCell.x(), toCell.y()};
    if (!m_overlays.isEmpty() && m_overlays.back().kind == Overlay::Band &&
        m_overlays.back().cells == corners)
        m_overlays.removeLast();
    else
        m_overlays.append(Overlay{Overlay::Band, corners});
    changed(m_canvas.xorBand(fromCell, toCell));
}

void PaintedDrawing::reopenAs(int width, int height) {
    resetTo(width, height);
    if (m_view) m_view->reopened();
    resetCanvas();
}
