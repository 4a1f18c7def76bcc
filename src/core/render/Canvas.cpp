// Canvas painting: grid lines, incremental and full repaints.
#include "Canvas.h"

#include <algorithm>

namespace {

const QRgb kGridRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// A dotted cosmetic pen: three pixels on, three off, counted from the start of
// the line; the gaps take the white background.
inline QRgb dotted(int i) {
    return (i % 6) < 3 ? kGridRed : kWhite;
}

} // namespace

Canvas::Canvas() {
    reset(50, 50);
}

void Canvas::reset(int width, int height) {
    m_picture = QImage(width * kCellSize, height * kCellSize, QImage::Format_RGB32);
    m_picture.fill(kWhite);
    drawGridLines(width, height);
}

void Canvas::drawGridLines(int width, int height) {
    // Every pixel outside the cell interiors: the lines between cells, dotted, and
    // the picture's top row and left column, which carry no line and stay white.
    const int pw = width * kCellSize, ph = height * kCellSize;
    uchar* bits = m_picture.bits();
    const qsizetype bpl = m_picture.bytesPerLine();
    for (int y = 0; y < ph; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * bpl);
        if (y > 0 && y % kCellSize == 0) { // horizontal lines are drawn over the vertical ones
            for (int x = 0; x < pw; ++x) line[x] = dotted(x);
            continue;
        }
        if (y == 0)
            std::fill(line, line + pw, kWhite);
        else
            line[0] = kWhite;
        const QRgb v = dotted(y);
        for (int x = kCellSize; x < pw; x += kCellSize) line[x] = v;
    }
}

QRect Canvas::reDraw(const CharGrid& cur, CharGrid& shown, int width, int height) {
    QRect dirty;
    for (int x = 0; x < width; ++x) {
        if (cur.sameColumn(shown, x, height)) continue; // the common case: nothing changed here
        for (int y = 0; y < height; ++y) {
            const CharCell& c = cur.at(x, y);
            if (c.sameText(shown.at(x, y))) continue;
            m_painter.paintCell(m_picture, x, y, c);
            shown.at(x, y) = c;
            dirty |= cellRect(x, y);
            ++m_paintedCells;
        }
    }
    return dirty;
}

QRect Canvas::reDrawAll(const CharGrid& cur, CharGrid& shown, int width, int height) {
    if (m_picture.width() != width * kCellSize || m_picture.height() != height * kCellSize)
        m_picture = QImage(width * kCellSize, height * kCellSize, QImage::Format_RGB32);
    // The grid lines and the cell tiles between them cover every pixel: no separate clear.
    drawGridLines(width, height);
    // Rows outer here only for memory locality; the result does not depend on the order.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) m_painter.paintCell(m_picture, x, y, cur.at(x, y));
    m_paintedCells += qint64(width) * height;
    shown.copyArea(cur, width, height);
    return m_picture.rect();
}
