// Cell raster primitives.
#include "CellRaster.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Box {
    int left, top, right, bottom; // right and bottom excluded
};

Box normalised(QPoint a, QPoint b) {
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

// Is the pixel centre (px, py) inside the ellipse with this centre and these semi-axes?
bool inEllipse(double px, double py, double cx, double cy, double rx, double ry) {
    const double dx = (px - cx) / rx, dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

} // namespace

CellRaster::CellRaster() : m_image(kSize, kSize, QImage::Format_RGB32) {
    clear();
}

void CellRaster::clear() {
    m_image.fill(kWhite);
}

bool CellRaster::isSet(int x, int y) const {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return false;
    return qBlue(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]) == 0;
}

void CellRaster::set(int x, int y) {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return;
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = kBlack;
}

// Visits the pixels of a 1-pixel line from a to b, b left out, in drawing order.
template <typename Visit> void traceLine(QPoint a, QPoint b, Visit visit) {
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const int adx = std::abs(dx), ady = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    int x = a.x(), y = a.y();
    if (adx >= ady) {
        // Shallow: x steps every pixel; y steps when the error (plus the tie-breaking bias) is above 0.
        const int bias = dy < 0 ? 1 : 0;
        int err = 2 * ady - adx;
        for (int i = 0; i < adx; ++i) {
            visit(x, y);
            if (err + bias > 0) {
                y += sy;
                err -= 2 * adx;
            }
            err += 2 * ady;
            x += sx;
        }
    } else {
        const int bias = dx < 0 ? 1 : 0;
        int err = 2 * adx - ady;
        for (int i = 0; i < ady; ++i) {
            visit(x, y);
            if (err + bias > 0) {
                x += sx;
                err -= 2 * ady;
            }
            err += 2 * adx;
            y += sy;
        }
    }
}

void CellRaster::line(QPoint a, QPoint b) {
    traceLine(a, b, [this](int x, int y) { set(x, y); });
}

void CellRaster::polyline(std::span<const QPoint> points) {
    for (size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i]);
}

template <typename Inside>
void CellRaster::region(int left, int top, int right, int bottom, bool filled, Inside inside) {
    auto in = [&](int x, int y) { return x >= left && x < right && y >= top && y < bottom && inside(x, y); };
    for (int y = std::max(top, 0); y < std::min(bottom, kSize); ++y)
        for (int x = std::max(left, 0); x < std::min(right, kSize); ++x) {
            if (!in(x, y)) continue;
            if (filled || !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)) set(x, y);
        }
}

void CellRaster::rectangle(QPoint a, QPoint b, bool filled) {
    const Box r = normalised(a, b);
    region(r.left, r.top, r.right, r.bottom, filled, [](int, int) { return true; });
}

void CellRaster::ellipse(QPoint a, QPoint b, bool filled) {
    const Box r = normalised(a, b);
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    const double rx = (r.right - r.left) / 2.0, ry = (r.bottom - r.top) / 2.0;
    region(r.left, r.top, r.right, r.bottom, filled,
           [&](int x, int y) { return inEllipse(x + 0.5, y + 0.5, cx, cy, rx, ry); });
}

void CellRaster::roundRect(QPoint a, QPoint b, int cornerW, int cornerH, bool filled) {
    const Box r = normalised(a, b);
    // The corner ellipse can be no larger than the rectangle itself.
    const double rx = std::min(std::abs(cornerW), r.right - r.left) / 2.0;
    const double ry = std::min(std::abs(cornerH), r.bottom - r.top) / 2.0;
    if (rx < 1.0 || ry < 1.0) {
        rectangle(a, b, filled);
        return;
    }
    const double leftC = r.left + rx, rightC = r.right - rx, topC = r.top + ry, bottomC = r.bottom - ry;
    region(r.left, r.top, r.right, r.bottom, filled, [&](int x, int y) {
        const double px = x + 0.5, py = y + 0.5;
        const double cx = px < leftC ? leftC : (px > rightC ? rightC : px);
        const double cy = py < topC ? topC : (py > bottomC ? bottomC : py);
        return (cx == px || cy == py) ? true : inEllipse(px, py, cx, cy, rx, ry);
    });
}

void CellRaster::polygon(std::span<const QPoint> points, bool filled) {
    const size_t n = points.size();
    if (n == 0) return;
    if (filled && n >= 3) {
        // Even-odd fill along scanlines through the pixel centres, an edge counting from its upper end to
        // just above its lower end (the top-left rule). Each span between a pair of crossings runs from just
        // after the left edge's outline pixels to just before the right edge's, so fill and outline meet
        // without gaps however the outline's steps fall.
        struct Edge {
            QPoint top, bottom;
            std::vector<std::pair<int, int>> rows; // outline pixels' min and max x, per row from top.y
        };
        std::vector<Edge> edges;
        int minY = points[0].y(), maxY = points[0].y();
        for (size_t i = 0; i < n; ++i) {
            const QPoint p = points[i], q = points[(i + 1) % n];
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
            if (p.y() == q.y()) continue;
            Edge e{p.y() < q.y() ? p : q, p.y() < q.y() ? q : p, {}};
            e.rows.assign(size_t(e.bottom.y() - e.top.y() + 1), {INT_MAX, INT_MIN});
            auto note = [&e](int x, int y) {
                auto& r = e.rows[size_t(y - e.top.y())];
                r = {std::min(r.first, x), std::max(r.second, x)};
            };
            traceLine(p, q, note);
            note(q.x(), q.y());
            edges.push_back(std::move(e));
        }
        struct Crossing {
            double x;
            const Edge* edge;
        };
        std::vector<Crossing> xs;
        for (int y = std::max(minY, 0); y < std::min(maxY, kSize); ++y) {
            const double yc = y + 0.5;
            xs.clear();
            for (const Edge& e : edges) {
                if (yc < e.top.y() || yc >= e.bottom.y()) continue;
                const double x = e.top.x() + (yc - e.top.y()) * (e.bottom.x() - e.top.x()) /
                                                 double(e.bottom.y() - e.top.y());
                xs.push_back({x, &e});
            }
            std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                const int from = xs[i].edge->rows[size_t(y - xs[i].edge->top.y())].second + 1;
                const int to = xs[i + 1].edge->rows[size_t(y - xs[i + 1].edge->top.y())].first;
                for (int x = from; x < to; ++x) set(x, y);
            }
        }
    }
    // The outline joins the last point back to the first, so every vertex is drawn.
    for (size_t i = 0; i < n; ++i) line(points[i], points[(i + 1) % n]);
}

void CellRaster::bezier(QPoint p0, QPoint p1, QPoint p2, QPoint p3) {
    // Enough steps that no segment spans more than about two pixels.
    const double span = std::hypot(p1.x() - p0.x(), p1.y() - p0.y()) +
                        std::hypot(p2.x() - p1.x(), p2.y() - p1.y()) +
                        std::hypot(p3.x() - p2.x(), p3.y() - p2.y());
    const int steps = std::max(1, int(std::ceil(span / 2.0)));
    QPoint previous = p0;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps, u = 1.0 - t;
        const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
        const QPoint next(int(std::lround(b0 * p0.x() + b1 * p1.x() + b2 * p2.x() + b3 * p3.x())),
                          int(std::lround(b0 * p0.y() + b1 * p1.y() + b2 * p2.y() + b3 * p3.y())));
        if (next == previous) continue;
        line(previous, next);
        previous = next;
    }
}

void CellRaster::stamp(CharGrid& grid, int width, int height, CharCell brush) const {
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qBlue(row[x]) == 0) grid.at(x, y) = brush;
    }
}
