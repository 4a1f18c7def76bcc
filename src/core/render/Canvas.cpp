// Canvas painting: grid lines, incremental and full repaints.
#include "Canvas.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A dotted cosmetic pen: three pixels on, three off, counted from the start of
// the line; the gaps take the white background.
inline uchar dotted(int i) {
    return (i % 6) < 3 ? Canvas::kRed : Canvas::kWhite;
}

} // namespace

const QList<QRgb>& Canvas::palette() {
    // Index bits are red, green, blue: drawing red by exclusive-or is index ^ kRed.
    static const QList<QRgb> colours{qRgb(0, 0, 0),     qRgb(0, 0, 255),    qRgb(0, 255, 0),
                                     qRgb(0, 255, 255), qRgb(255, 0, 0),    qRgb(255, 0, 255),
                                     qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return colours;
}

Canvas::Canvas() = default;

QSize Canvas::pictureSize(int width, int height) const {
    return {geometry().edge(width), geometry().edge(height)};
}

void Canvas::allocate(int width, int height) {
    const QSize size = pictureSize(width, height);
    m_picture = QImage(size, QImage::Format_Indexed8);
    m_picture.setColorTable(palette());
}

void Canvas::reset(int width, int height) {
    allocate(width, height);
    m_picture.fill(kWhite);
    drawGridLines(width, height);
}

void Canvas::drawGridLines(int width, int height) {
    // Every pixel outside the cell interiors: the lines between cells, dotted, one device pixel
    // wide, and the picture's top row and left column, which carry no line and stay white.
    const CellGeometry& g = geometry();
    const int pw = m_picture.width(), ph = m_picture.height();
    std::vector<uchar> across(static_cast<size_t>(pw)); // a horizontal line, drawn over the vertical ones
    for (int x = 0; x < pw; ++x) across[size_t(x)] = dotted(x);
    std::vector<int> lines; // the columns of the vertical lines
    for (int i = 1; i < width; ++i) lines.push_back(g.edge(i));
    if (m_picture.isNull()) return; // no memory for a picture of this size
    uchar* bits = m_picture.bits();
    const qsizetype bpl = m_picture.bytesPerLine();
    int nextRow = 1; // the next horizontal line is edge(nextRow)
    for (int y = 0; y < ph; ++y) {
        uchar* line = bits + y * bpl;
        if (nextRow < height && y == g.edge(nextRow)) {
            std::memcpy(line, across.data(), size_t(pw));
            ++nextRow;
            continue;
        }
        if (y == 0)
            std::memset(line, kWhite, size_t(pw));
        else
            line[0] = kWhite;
        const uchar v = dotted(y);
        for (int x : lines) line[x] = v;
    }
}

template <typename Paint> void Canvas::outline(const QRect& r, Paint paint) {
    // Every outline pixel exactly once, clipped to the picture.
    uchar* bits = m_picture.bits();
    const qsizetype bpl = m_picture.bytesPerLine();
    const int w = m_picture.width(), h = m_picture.height();
    auto at = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h) paint(bits[y * bpl + x]);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        at(x, r.top());
        if (r.bottom() != r.top()) at(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        at(r.left(), y);
        if (r.right() != r.left()) at(r.right(), y);
    }
}

QRect Canvas::drawFrame(const CellRect& c) {
    const CellGeometry& g = geometry();
    return frame({g.edge(c.Left), g.edge(c.Top)}, {g.edge(c.Right), g.edge(c.Bottom)});
}

QRect Canvas::frameAll(int width, int height) {
    // From just inside the top left corner, so that the top and left show as wide as the rest.
    const int inside = geometry().frameWidth() - 1;
    return frame({inside, inside}, {geometry().edge(width), geometry().edge(height)});
}

QRect Canvas::frame(QPoint a, QPoint b) {
    // A pen two screen pixels wide along the rectangle's edges: the last pixels of the cells
    // before them and the grid lines.
    const QRect r = QRect(a, b - QPoint(1, 1)).normalized();
    const int w = geometry().frameWidth();
    auto blue = [](uchar& p) { p = kBlue; };
    for (int k = 0; k < w; ++k) outline(r.adjusted(-k, -k, k, k), blue);
    return r.adjusted(1 - w, 1 - w, w - 1, w - 1) & m_picture.rect();
}

QRect Canvas::xorBand(QPoint fromCell, QPoint toCell) {
    const CellGeometry& g = geometry();
    const QPoint a(g.edge(fromCell.x()), g.edge(fromCell.y())), b(g.edge(toCell.x()), g.edge(toCell.y()));
    const QRect r(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                  QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
    if (r.width() < 1 || r.height() < 1) return {}; // no rectangle between the corners: nothing to draw
    outline(r, [](uchar& p) { p ^= kRed; });
    return r & m_picture.rect();
}

QRect Canvas::reDraw(const CharGrid& cur, CharGrid& shown, int width, int height) {
    // A picture too small for the area would be written past its end: start it afresh.
    const QSize size = pictureSize(width, height);
    if (m_picture.width() < size.width() || m_picture.height() < size.height())
        return reDrawAll(cur, shown, width, height);
    int left = width, top = height, right = -1, bottom = -1; // the cells painted
    uchar* bits = nullptr;
    const qsizetype bpl = m_picture.bytesPerLine();
    for (int x = 0; x < width; ++x) {
        if (cur.sameColumn(shown, x, height)) continue; // the common case: nothing changed here
        if (!bits) bits = m_picture.bits();
        for (int y = 0; y < height; ++y) {
            const CharCell& c = cur.at(x, y);
            if (c.sameText(shown.at(x, y))) continue;
            m_painter.paintCellUnchecked(bits, bpl, x, y, c);
            shown.at(x, y) = c;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            ++m_paintedCells;
        }
    }
    if (right < 0) return {};
    return cellRect(left, top) | cellRect(right, bottom);
}

QRect Canvas::reDrawAll(const CharGrid& cur, CharGrid& shown, int width, int height) {
    if (m_picture.size() != pictureSize(width, height)) allocate(width, height);
    // The grid lines and the cell tiles between them cover every pixel: no separate clear.
    drawGridLines(width, height);
    if (m_picture.isNull()) return {};
    // Rows outer here only for memory locality; the result does not depend on the order.
    uchar* bits = m_picture.bits();
    const qsizetype bpl = m_picture.bytesPerLine();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) m_painter.paintCellUnchecked(bits, bpl, x, y, cur.at(x, y));
    m_paintedCells += qint64(width) * height;
    shown.copyArea(cur, width, height);
    return m_picture.rect();
}
