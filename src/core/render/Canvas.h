// The canvas picture of a drawing: 18 x 18 pixels per cell at 100 % inside a dotted red
// grid, more or fewer at other zooms and device pixel ratios. ReDraw and ReDrawAll are the
// only ways the grids reach it.
#pragma once

#include "CellPainter.h"
#include "core/model/CharGrid.h"
#include "core/model/Selection.h"

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

    // No picture until the first reset or repaint, which make it at the drawing's size.
    Canvas();

    void setFont(const QString& name, int pointSize) { m_painter.setFont(name, pointSize); }
    CellPainter& cellPainter() { return m_painter; }
    // The size cells are drawn at from now on; the caller repaints.
    void setGeometry(const CellGeometry& geometry) { m_painter.setGeometry(geometry); }
    const CellGeometry& geometry() const { return m_painter.geometry(); }

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

    // The selection frame: a blue outline two pixels wide along the edges of a rectangle of
    // cells (past the picture's edges where the cells are). Returns the pixels touched.
    QRect drawFrame(const CellRect& cells);
    // The same around a whole drawing of width x height cells, from pixel (1, 1), so that
    // its top and left show as wide as the rest.
    QRect frameAll(int width, int height);
    // The rubber band: a one-pixel outline between the top left corners of two cells, drawn
    // in red by exclusive-or, so that drawing it again erases it. Returns the pixels touched.
    QRect xorBand(QPoint fromCell, QPoint toCell);

    QRect cellRect(int col, int row) const { return geometry().cellRect(col, row); }

private:
    QRect frame(QPoint a, QPoint b);
    QSize pictureSize(int width, int height) const;
    void allocate(int width, int height);
    void drawGridLines(int width, int height);
    template <typename Paint> void outline(const QRect& r, Paint paint);

    QImage m_picture;
    CellPainter m_painter;
    qint64 m_paintedCells = 0;
};
