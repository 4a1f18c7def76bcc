// The cell raster: a 100 x 100 picture, one pixel per cell, on which shapes are
// drawn black on white and then stamped into a grid as brush cells.
//
// The pixel coverage follows the classic Windows GDI conventions that drawings
// made with this kind of editor have always had: a line leaves out its end
// point; rectangles, ellipses and rounded rectangles leave out their right and
// bottom edges; polygons fill by the alternate (even-odd) rule with the top-left
// rule for pixels on an edge. Qt's own primitives differ from these in many
// single pixels, so the shapes are rasterised here.
#pragma once

#include "core/model/CharGrid.h"

#include <QImage>
#include <QPoint>

#include <span>

class CellRaster {
public:
    static constexpr int kSize = kGridMax;

    CellRaster();

    void clear();
    bool isSet(int x, int y) const;
    void set(int x, int y); // ignores pixels outside the picture

    // A 1-pixel line from a to b, b itself left out (so a line from a point to itself is empty).
    void line(QPoint a, QPoint b);
    // Lines through the points in turn (the last point left out).
    void polyline(std::span<const QPoint> points);
    // The rectangle spanned by two corners in any order, its right column and bottom row left out.
    void rectangle(QPoint a, QPoint b, bool filled);
    // The ellipse inscribed in that rectangle.
    void ellipse(QPoint a, QPoint b, bool filled);
    // The rectangle with corners rounded by an ellipse of cornerW x cornerH pixels.
    void roundRect(QPoint a, QPoint b, int cornerW, int cornerH, bool filled);
    // A closed polygon; filled inside by the even-odd rule, with its outline.
    void polygon(std::span<const QPoint> points, bool filled);
    // A cubic Bezier curve from p0 to p3 with control points p1 and p2, flattened into lines.
    void bezier(QPoint p0, QPoint p1, QPoint p2, QPoint p3);

    // Writes `brush` into every cell of the width x height area whose pixel is black.
    void stamp(CharGrid& grid, int width, int height, CharCell brush) const;

private:
    // Fills, or outlines (the region's pixels with a 4-neighbour outside it), a
    // region given by a test of pixel centres, within a bounding box.
    template <typename Inside>
    void region(int left, int top, int right, int bottom, bool filled, Inside inside);

    QImage m_image;
};
