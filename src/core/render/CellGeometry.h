// Where the cells of a drawing fall on its canvas picture at a zoom and a device pixel ratio.
// At 100 % on an ordinary screen a cell is 18 x 18 pixels: the grid line at its left and top,
// then 17 pixels of inside, with the text's 16-pixel square one pixel further in. Other sizes
// scale that; a cell's edges are rounded to whole device pixels, so neighbouring cells may
// differ by one pixel (75 %), while the grid lines stay one device pixel wide.
#pragma once

#include "core/model/CharGrid.h"

#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>

class CellGeometry {
public:
    explicit CellGeometry(double zoom = 1.0, double devicePixelRatio = 1.0)
        : m_zoom(zoom), m_dpr(devicePixelRatio), m_scale(zoom * devicePixelRatio) {
        m_tileSide = int(std::ceil(kCellSize * m_scale - 1e-9)) - 1;
        const int narrowest = int(std::floor(kCellSize * m_scale + 1e-9)) - 1;
        m_textOffset = std::max(0, int(std::lround(2 * m_scale)) - 1);
        m_em = std::max(1, std::min(int(std::lround(16 * m_scale)), narrowest - m_textOffset));
    }

    double zoom() const { return m_zoom; }
    double devicePixelRatio() const { return m_dpr; }
    // Device pixels per pixel of a cell at 100 %.
    double scale() const { return m_scale; }

    // The picture column (or row) of the grid line before cell i; edge(0) is the picture's edge
    // and edge(n) its size for n cells.
    int edge(int i) const { return int(std::floor(i * kCellSize * m_scale + 0.5)); }
    // The inside of cell i, between its grid line and the next.
    int inside(int i) const { return edge(i + 1) - edge(i) - 1; }
    QRect cellRect(int col, int row) const {
        return QRect(edge(col), edge(row), edge(col + 1) - edge(col), edge(row + 1) - edge(row));
    }
    // The widest inside of any cell, the side of the tiles cells are painted from.
    int tileSide() const { return m_tileSide; }
    // The text square: em pixels a side, textOffset pixels into the cell's inside.
    int em() const { return m_em; }
    int textOffset() const { return m_textOffset; }
    // The selection frame's width: two pixels of the screen, whatever the zoom.
    int frameWidth() const { return std::max(1, int(std::lround(2 * m_dpr))); }

    friend bool operator==(const CellGeometry& a, const CellGeometry& b) {
        return a.m_zoom == b.m_zoom && a.m_dpr == b.m_dpr;
    }

private:
    double m_zoom, m_dpr, m_scale;
    int m_tileSide = 17, m_textOffset = 1, m_em = 16;
};

// The zooms a drawing window offers, in per cent.
inline constexpr std::array<int, 7> kZoomSteps{50, 75, 100, 150, 200, 300, 400};

// The next zoom from `percent` up (direction > 0) or down: the nearest step beyond it, or the
// last step when there is none.
inline int nextZoomStep(int percent, int direction) {
    if (direction > 0) {
        for (int step : kZoomSteps)
            if (step > percent) return step;
        return kZoomSteps.back();
    }
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
        if (*it < percent) return *it;
    return kZoomSteps.front();
}
