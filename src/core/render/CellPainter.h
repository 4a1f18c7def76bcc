// Paints character cells onto the canvas picture. Each distinct two-byte cell
// text is rendered once into a small black-and-white tile, so a full repaint of
// 10,000 cells is a run of small copies rather than 10,000 text layouts.
#pragma once

#include "CanvasFont.h"
#include "core/model/CharGrid.h"

#include <QFont>
#include <QImage>

#include <array>
#include <deque>
#include <vector>

class CellPainter {
public:
    // A tile covers the inside of a cell: everything but the grid lines at its
    // left and top, i.e. pixels 18x + 1 .. 18x + 17.
    static constexpr int kTileSize = kCellSize - 1;

    explicit CellPainter(const QFont& font = canvasFont(kCanvasFontName, 10));

    void setFont(const QFont& font);
    const QFont& font() const { return m_font; }

    // Clears the inside of cell (col, row) of the picture and draws its text.
    void paintCell(QImage& picture, int col, int row, CharCell cell);
    // The same into a picture's bytes, for a cell known to lie wholly inside it.
    void paintCellUnchecked(uchar* bits, qsizetype bytesPerLine, int col, int row, CharCell cell);
    // Draws the cell's text on its own opaque white background at (18col + 2,
    // 18row + 2), without clearing the rest of the cell first.
    void paintText(QImage& picture, int col, int row, CharCell cell);

private:
    // The cell interior cleared to white with the text at (+1, +1) of the tile,
    // which is (+2, +2) of the cell, as the picture's own pixels (black or white
    // indices), so that painting a cell is a copy of 17 short rows.
    struct Tile {
        std::array<uchar, kTileSize * kTileSize> pixels{};
        int textWidth = 0;
    };
    const Tile& tileFor(CharCell cell);
    void blit(QImage& picture, int px, int py, const Tile& tile, int sx, int sy, int w, int h);

    QFont m_font;
    int m_ascent = 0;
    std::vector<int> m_index; // (first byte << 8) | second byte -> tile, or -1
    std::deque<Tile> m_tiles; // a deque: references to tiles stay valid as it grows
};
