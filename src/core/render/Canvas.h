// The canvas picture of a drawing: 18 x 18 pixels per cell inside a dotted red
// grid. ReDraw and ReDrawAll are the only ways the grids reach it.
#pragma once

#include "CellPainter.h"
#include "core/model/CharGrid.h"

#include <QImage>
#include <QRect>

class Canvas {
public:
    Canvas();

    void setFont(const QFont& font) { m_painter.setFont(font); }
    CellPainter& cellPainter() { return m_painter; }

    // A fresh white picture for a grid of width x height cells with only the grid lines drawn.
    void reset(int width, int height);

    // Paints the cells of the area in use whose text differs between cur and
    // shown, then makes shown equal to cur there. Returns the pixels touched.
    QRect reDraw(const CharGrid& cur, CharGrid& shown, int width, int height);
    // Clears the picture, draws the grid lines and paints every cell in use.
    QRect reDrawAll(const CharGrid& cur, CharGrid& shown, int width, int height);

    const QImage& picture() const { return m_picture; }
    QImage& picture() { return m_picture; }
    // Cells painted by reDraw and reDrawAll since the canvas was made.
    qint64 paintedCells() const { return m_paintedCells; }

    static QRect cellRect(int col, int row) {
        return QRect(col * kCellSize, row * kCellSize, kCellSize, kCellSize);
    }

private:
    void drawGridLines(int width, int height);

    QImage m_picture;
    CellPainter m_painter;
    qint64 m_paintedCells = 0;
};
