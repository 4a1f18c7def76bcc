// A drawing painted on its canvas.
#include "PaintedDrawing.h"

#include "CanvasFont.h"

PaintedDrawing::PaintedDrawing() {
    resetCanvas();
}

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
    m_canvas.setFont(canvasFont(FontName, FontSize));
    m_canvas.reset(GridWidth, GridHeight);
    m_size = m_canvas.picture().size();
    if (m_view) m_view->pictureReplaced();
}

void PaintedDrawing::paintText(int col, int row, CharCell cell) {
    m_canvas.cellPainter().paintText(m_canvas.picture(), col, row, cell);
    changed(Canvas::cellRect(col, row));
}

void PaintedDrawing::ReDraw() {
    changed(m_canvas.reDraw(CurGrid, ShownGrid, GridWidth, GridHeight));
}

void PaintedDrawing::ReDrawAll() {
    changed(m_canvas.reDrawAll(CurGrid, ShownGrid, GridWidth, GridHeight));
}

void PaintedDrawing::setCaption(const QString& caption) {
    m_caption = caption;
    if (m_view) m_view->captionChanged(caption);
}

void PaintedDrawing::drawFrame(const CellRect& cells) {
    changed(m_canvas.drawFrame(cells));
}

void PaintedDrawing::frameAll() {
    changed(m_canvas.frameAll(GridWidth, GridHeight));
}

void PaintedDrawing::xorBand(QPoint fromCell, QPoint toCell) {
    changed(m_canvas.xorBand(fromCell, toCell));
}

void PaintedDrawing::reopenAs(int width, int height) {
    resetTo(width, height);
    if (m_view) m_view->reopened();
    resetCanvas();
}
