// Cell painting with a per-text tile cache.
#include "CellPainter.h"

#include "GbkText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>

QFont canvasFont(const QString& name, int pointSize) {
    if (name.compare(QStringLiteral("Fixedsys"), Qt::CaseInsensitive) == 0) {
        // A bitmap font of one size: 16 pixels high, 8 wide per byte.
        QFont font(QStringLiteral("Unifont"));
        font.setPixelSize(16);
        font.setFixedPitch(true);
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        return font;
    }
    QFont font(name);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    return font;
}

QFont printFont(const QString& name, int pointSize) {
    QFont font(name.compare(QStringLiteral("Fixedsys"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Unifont") : name);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setFixedPitch(true);
    return font;
}

CellPainter::CellPainter(const QFont& font) : m_tiles(1 << 16) { setFont(font); }

void CellPainter::setFont(const QFont& font) {
    m_font = font;
    m_ascent = QFontMetrics(font).ascent();
    for (auto& tile : m_tiles) tile.reset();
}

CellPainter::Tile& CellPainter::tileFor(CharCell cell) {
    auto& slot = m_tiles[(cell.b0 << 8) | cell.b1];
    if (slot) return *slot;
    slot = std::make_unique<Tile>();
    slot->image = QImage(kTileSize, kTileSize, QImage::Format_RGB32);
    slot->image.fill(Qt::white);
    const QString text = gbkToUnicode(cell.text());
    // Two spaces still have a width: drawn directly they blank the glyphs under them.
    slot->textWidth = std::min(QFontMetrics(m_font).horizontalAdvance(text), kTileSize - 1);
    if (!cell.isBlank()) {
        QPainter p(&slot->image);
        p.setFont(m_font);
        p.setPen(Qt::black);
        p.setClipRect(1, 1, kTileSize - 1, kTileSize - 1);
        p.drawText(1, 1 + m_ascent, text);
    }
    return *slot;
}

const QImage& CellPainter::tile(CharCell cell) { return tileFor(cell).image; }

int CellPainter::textWidth(CharCell cell) { return tileFor(cell).textWidth; }

void CellPainter::blit(QImage& picture, int px, int py, const QImage& tile, int sx, int sy, int w, int h) {
    // Clip to the picture; callers stay inside it, but a wrong cell must never write out of bounds.
    const int x0 = std::max(px, 0), y0 = std::max(py, 0);
    const int x1 = std::min(px + w, picture.width()), y1 = std::min(py + h, picture.height());
    if (x0 >= x1 || y0 >= y1) return;
    uchar* bits = picture.bits();
    const qsizetype bpl = picture.bytesPerLine();
    const size_t bytes = size_t(x1 - x0) * 4;
    for (int y = y0; y < y1; ++y)
        std::memcpy(bits + y * bpl + x0 * 4, tile.constScanLine(sy + y - py) + (sx + x0 - px) * 4, bytes);
}

void CellPainter::paintCell(QImage& picture, int col, int row, CharCell cell) {
    blit(picture, col * kCellSize + 1, row * kCellSize + 1, tileFor(cell).image, 0, 0, kTileSize, kTileSize);
}

void CellPainter::paintText(QImage& picture, int col, int row, CharCell cell) {
    const Tile& t = tileFor(cell);
    if (t.textWidth == 0) return;
    blit(picture, col * kCellSize + 2, row * kCellSize + 2, t.image, 1, 1, t.textWidth, kTileSize - 1);
}
