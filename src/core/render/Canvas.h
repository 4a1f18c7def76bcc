// The canvas picture of a drawing: 18 x 18 pixels per cell inside a dotted red
// grid. ReDraw and ReDrawAll are the only ways the grids reach it.
#pragma once

#include "CellPainter.h"
#include "core/model/CharGrid.h"

#include <QImage>
#include <QList>
#include <QRect>

// The picture has one byte a pixel, indexing eight colours: black text on white,
// the red grid, the blue selection frame and the band drawn over them by
// exclusive-or. A full repaint writes a quarter of what a 32-bit picture takes.
class Canvas {
public:
    enum Colour : uchar { kBlack = 0, kBlue = 1, kRed = 4, kWhite = 7 };
    static const QList<QRgb>& palette();

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

    // The selection frame: a blue outline two pixels wide along the rectangle between two
    // pixel corners (right and bottom excluded). Returns the pixels touched.
    QRect drawFrame(QPoint a, QPoint b);
    // The rubber band: a one-pixel outline between two pixel corners, drawn in red by
    // exclusive-or, so that drawing it again erases it. Returns the pixels touched.
    QRect xorBand(QPoint a, QPoint b);

    static QRect cellRect(int col, int row) {
        return QRect(col * kCellSize, row * kCellSize, kCellSize, kCellSize);
    }

private:
    void allocate(int width, int height);
    void drawGridLines(int width, int height);
    template <typename Paint> void outline(const QRect& r, Paint paint);

    QImage m_picture;
    CellPainter m_painter;
    qint64 m_paintedCells = 0;
};
