// Paints character cells onto the canvas picture. Each distinct two-byte cell
// text is rendered once into a small black-and-white tile, so a full repaint of
// 10,000 cells is a run of small copies rather than 10,000 text layouts.
#pragma once

#include "CanvasFont.h"
#include "CellGeometry.h"
#include "core/model/CharGrid.h"

#include <QImage>

#include <deque>
#include <vector>

class CellPainter {
public:
    explicit CellPainter(const QString& fontName = kCanvasFontName, int pointSize = 10,
                         const CellGeometry& geometry = CellGeometry());

    // The font by the name a drawing stores; the tiles are made again.
    void setFont(const QString& name, int pointSize);
    // The size cells are painted at; the font follows it and the tiles are made again.
    void setGeometry(const CellGeometry& geometry);
    const CellGeometry& geometry() const { return m_geometry; }
    const CanvasFace& face() const { return m_face; }

    // Clears the inside of cell (col, row) of a picture's bytes and draws its text, for a cell
    // known to lie wholly inside the picture.
    void paintCellUnchecked(uchar* bits, qsizetype bytesPerLine, int col, int row, CharCell cell);
    // Draws the cell's text on its own opaque white background over the cell's text square,
    // without clearing the rest of the cell first.
    void paintText(QImage& picture, int col, int row, CharCell cell);
    // The cell's text in its em x em square, black on white before the canvas makes it two-coloured,
    // its outlines smoothed to grey when asked; *drawn says whether any glyph was drawn.
    QImage textSquare(CharCell cell, bool smoothed, bool* drawn = nullptr);

private:
    // The cell inside cleared to white with the text in its square, as the picture's own
    // pixels (black or white indices), so that painting a cell is a copy of short rows.
    struct Tile {
        std::vector<uchar> pixels;
        int textWidth = 0;
    };
    const Tile& tileFor(CharCell cell);
    void blit(QImage& picture, int px, int py, const Tile& tile, int sx, int sy, int w, int h);
    void clearTiles();

    QString m_fontName;
    int m_pointSize = 10;
    CellGeometry m_geometry;
    CanvasFace m_face;
    std::vector<int> m_index; // (first byte << 8) | second byte -> tile, or -1
    std::deque<Tile> m_tiles; // a deque: references to tiles stay valid as it grows
};
