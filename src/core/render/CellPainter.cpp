// Cell painting with a per-text tile cache.
#include "CellPainter.h"

#include "core/text/GbkText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>

CellPainter::CellPainter(const QFont& font) : m_index(1 << 16, -1) {
    setFont(font);
}

void CellPainter::setFont(const QFont& font) {
    m_font = font;
    m_ascent = QFontMetrics(font).ascent();
    std::fill(m_index.begin(), m_index.end(), -1);
    m_tiles.clear();
}

namespace {

// The canvas picture's colour indices for ink and paper.
constexpr uchar kBlackIndex = 0;
constexpr uchar kWhiteIndex = 7;

} // namespace

const CellPainter::Tile& CellPainter::tileFor(CharCell cell) {
    int& slot = m_index[(cell.b0 << 8) | cell.b1];
    if (slot >= 0) return m_tiles[size_t(slot)];
    Tile tile;
    tile.pixels.fill(kWhiteIndex);
    const QString text = gbkToUnicode(cell.text());
    constexpr int kFullWidth = kTileSize - 1; // a double-byte character's 16 pixels
    const int advance = QFontMetrics(m_font).horizontalAdvance(text);
    // A double-byte character whose glyph is half width (arrows and other symbols in the canvas
    // font) is centred in the character's full width, as a Chinese font would draw it.
    const bool narrowWide = isGbkLeadByte(cell.b0) && text.size() == 1 && advance * 2 <= kFullWidth;
    // Two spaces still have a width: drawn directly they blank the glyphs under them.
    tile.textWidth = narrowWide ? kFullWidth : std::min(advance, kFullWidth);
    if (!cell.isBlank()) {
        QImage image(kTileSize, kTileSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(m_font);
        p.setPen(Qt::black);
        p.setClipRect(1, 1, kFullWidth, kFullWidth);
        p.drawText(1 + (narrowWide ? (kFullWidth - advance) / 2 : 0), 1 + m_ascent, text);
        p.end();
        for (int y = 0; y < kTileSize; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < kTileSize; ++x)
                tile.pixels[size_t(y * kTileSize + x)] = qGray(row[x]) < 128 ? kBlackIndex : kWhiteIndex;
        }
    }
    slot = int(m_tiles.size());
    m_tiles.push_back(tile);
    return m_tiles.back();
}

void CellPainter::blit(QImage& picture, int px, int py, const Tile& tile, int sx, int sy, int w, int h) {
    // Clip to the picture; callers stay inside it, but a wrong cell must never write out of bounds.
    const int x0 = std::max(px, 0), y0 = std::max(py, 0);
    const int x1 = std::min(px + w, picture.width()), y1 = std::min(py + h, picture.height());
    if (x0 >= x1 || y0 >= y1) return;
    uchar* bits = picture.bits();
    const qsizetype bpl = picture.bytesPerLine();
    for (int y = y0; y < y1; ++y) {
        uchar* out = bits + y * bpl + x0;
        const uchar* in = tile.pixels.data() + (sy + y - py) * kTileSize + (sx + x0 - px);
        std::memcpy(out, in, size_t(x1 - x0));
    }
}

void CellPainter::paintCell(QImage& picture, int col, int row, CharCell cell) {
    const int px = col * kCellSize + 1, py = row * kCellSize + 1;
    if (px < 0 || py < 0 || px + kTileSize > picture.width() || py + kTileSize > picture.height()) {
        blit(picture, px, py, tileFor(cell), 0, 0, kTileSize, kTileSize); // clipped at the edge
        return;
    }
    paintCellUnchecked(picture.bits(), picture.bytesPerLine(), col, row, cell);
}

void CellPainter::paintCellUnchecked(uchar* bits, qsizetype bytesPerLine, int col, int row, CharCell cell) {
    const uchar* in = tileFor(cell).pixels.data();
    uchar* out = bits + (row * kCellSize + 1) * bytesPerLine + col * kCellSize + 1;
    // A copy of fixed size, which the compiler turns into a few moves.
    for (int y = 0; y < kTileSize; ++y, out += bytesPerLine, in += kTileSize) std::memcpy(out, in, kTileSize);
}

void CellPainter::paintText(QImage& picture, int col, int row, CharCell cell) {
    const Tile& t = tileFor(cell);
    if (t.textWidth == 0) return;
    blit(picture, col * kCellSize + 2, row * kCellSize + 2, t, 1, 1, t.textWidth, kTileSize - 1);
}
