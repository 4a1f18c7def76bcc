// Cell painting with a per-text tile cache.
#include "CellPainter.h"

#include "core/text/GbkText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>

CellPainter::CellPainter(const QString& fontName, int pointSize, const CellGeometry& geometry)
    : m_fontName(fontName), m_pointSize(pointSize), m_geometry(geometry), m_index(1 << 16, -1) {
    m_face = canvasFace(m_fontName, m_pointSize, m_geometry.em());
}

void CellPainter::clearTiles() {
    std::fill(m_index.begin(), m_index.end(), -1);
    m_tiles.clear();
}

void CellPainter::setFont(const QString& name, int pointSize) {
    if (name == m_fontName && pointSize == m_pointSize) return; // the tiles are still good
    m_fontName = name;
    m_pointSize = pointSize;
    m_face = canvasFace(m_fontName, m_pointSize, m_geometry.em());
    clearTiles();
}

void CellPainter::setGeometry(const CellGeometry& geometry) {
    if (geometry == m_geometry) return;
    const bool newSize = geometry.em() != m_geometry.em();
    m_geometry = geometry;
    if (newSize) m_face = canvasFace(m_fontName, m_pointSize, m_geometry.em());
    clearTiles();
}

namespace {

// The canvas picture's colour indices for ink and paper.
constexpr uchar kBlackIndex = 0;
constexpr uchar kWhiteIndex = 7;

} // namespace

QImage CellPainter::textSquare(CharCell cell, bool smoothed, bool* drawn) {
    const int em = m_face.em;
    QImage image(em, em, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString text = gbkToUnicode(cell.text());
    // One double-byte character takes the whole square, centred in it whatever its advance (the
    // symbols of character art are narrow in some faces); single-byte characters take a half each.
    const bool wide = isGbkLeadByte(cell.b0) && cell.b1 != 0 && text.size() == 1;
    const int glyphs = wide ? 1 : int(std::min<qsizetype>(text.size(), 2));
    if (drawn) *drawn = !cell.isBlank() && glyphs > 0;
    if (cell.isBlank() || glyphs == 0) return image;
    QPainter p(&image);
    p.setPen(Qt::black);
    QFont font = wide ? m_face.wide : m_face.narrow;
    if (smoothed) font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const int box = wide ? em : em / 2;
    for (int i = 0; i < glyphs; ++i) {
        const QString glyph = wide ? text : text.mid(i, 1);
        const int x = i * box + (box - metrics.horizontalAdvance(glyph)) / 2;
        p.drawText(x, m_face.baseline(), glyph);
    }
    return image;
}

const CellPainter::Tile& CellPainter::tileFor(CharCell cell) {
    int& slot = m_index[(cell.b0 << 8) | cell.b1];
    if (slot >= 0) return m_tiles[size_t(slot)];
    const int side = m_geometry.tileSide(), em = m_face.em, origin = m_geometry.textOffset();
    Tile tile;
    tile.pixels.assign(size_t(side) * size_t(side), kWhiteIndex);
    const QString text = gbkToUnicode(cell.text());
    const bool wide = isGbkLeadByte(cell.b0) && cell.b1 != 0 && text.size() == 1;
    const int glyphs = wide ? 1 : int(std::min<qsizetype>(text.size(), 2));
    // Two spaces still have a width: drawn directly they blank the glyphs under them.
    tile.textWidth = wide ? em : glyphs * (em / 2);
    bool drawn = false;
    const QImage square = textSquare(cell, false, &drawn);
    if (drawn) {
        const int reach = std::min(em, side - origin);
        for (int y = 0; y < reach; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(square.constScanLine(y));
            uchar* out = tile.pixels.data() + size_t((origin + y) * side + origin);
            for (int x = 0; x < reach; ++x) out[x] = qGray(row[x]) < 128 ? kBlackIndex : kWhiteIndex;
        }
    }
    slot = int(m_tiles.size());
    m_tiles.push_back(std::move(tile));
    return m_tiles.back();
}

void CellPainter::blit(QImage& picture, int px, int py, const Tile& tile, int sx, int sy, int w, int h) {
    // Clip to the picture; callers stay inside it, but a wrong cell must never write out of bounds.
    const int side = m_geometry.tileSide();
    const int x0 = std::max(px, 0), y0 = std::max(py, 0);
    const int x1 = std::min(px + w, picture.width()), y1 = std::min(py + h, picture.height());
    if (x0 >= x1 || y0 >= y1) return;
    uchar* bits = picture.bits();
    const qsizetype bpl = picture.bytesPerLine();
    for (int y = y0; y < y1; ++y) {
        uchar* out = bits + y * bpl + x0;
        const uchar* in = tile.pixels.data() + (sy + y - py) * side + (sx + x0 - px);
        std::memcpy(out, in, size_t(x1 - x0));
    }
}

namespace {

template <int Side> void copyRows(uchar* out, qsizetype bytesPerLine, const uchar* in) {
    for (int y = 0; y < Side; ++y, out += bytesPerLine, in += Side) std::memcpy(out, in, Side);
}

} // namespace

void CellPainter::paintCellUnchecked(uchar* bits, qsizetype bytesPerLine, int col, int row, CharCell cell) {
    const int side = m_geometry.tileSide();
    const int w = m_geometry.inside(col), h = m_geometry.inside(row);
    const uchar* in = tileFor(cell).pixels.data();
    uchar* out = bits + qsizetype(m_geometry.edge(row) + 1) * bytesPerLine + m_geometry.edge(col) + 1;
    // The sizes of whole-numbered zooms as copies of fixed length, which the compiler turns into a
    // few moves each.
    if (w == side && h == side) {
        switch (side) {
        case 17:
            return copyRows<17>(out, bytesPerLine, in);
        case 35:
            return copyRows<35>(out, bytesPerLine, in);
        case 71:
            return copyRows<71>(out, bytesPerLine, in);
        default:
            break;
        }
    }
    for (int y = 0; y < h; ++y, out += bytesPerLine, in += side) std::memcpy(out, in, size_t(w));
}

void CellPainter::paintText(QImage& picture, int col, int row, CharCell cell) {
    const Tile& t = tileFor(cell);
    if (t.textWidth == 0) return;
    const int o = m_geometry.textOffset();
    blit(picture, m_geometry.edge(col) + 1 + o, m_geometry.edge(row) + 1 + o, t, o, o,
         std::min(t.textWidth, m_geometry.inside(col) - o), m_geometry.inside(row) - o);
}
