// Shape matching: each cell becomes the character whose glyph, as the canvas draws it, lies
// nearest the cell's part of the picture, so edges and strokes inside a cell survive where the
// other modes see one grey per cell.
#pragma once

#include "PixelView.h"
#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace convert {

// A cell of 18 x 18 pixels (the canvas's cell at 100 %) is compared as 6 x 6 blocks of 3 x 3
// pixels: the share of each block that is dark, 0 white to 1 black, row by row. Finer detail than
// a block is lost on the eye at the size character art is looked at, and blocks keep a full
// 100 x 100 conversion quick.
inline constexpr int kShapeBlocks = 6;
inline constexpr int kShapeBlockPixels = kCellSize / kShapeBlocks;
inline constexpr int kShapeHalf = kShapeBlocks / 2; // the blocks across one single-byte character
using CellBlocks = std::array<float, kShapeBlocks * kShapeBlocks>;
using HalfBlocks = std::array<float, kShapeHalf * kShapeBlocks>;

// The glyphs a cell may become.
struct GlyphMasks {
    struct Wide {
        QByteArray bytes; // two GBK bytes
        CellBlocks blocks;
    };
    struct Narrow {
        char byte;
        HalfBlocks left, right; // the character as the first, and as the second byte of a cell
    };
    std::vector<Wide> wide;     // the block and line characters, and two spaces
    std::vector<Narrow> narrow; // printable ASCII, the space included
};

// The block and line characters of GBK that shape matching draws with, in Unicode.
QString shapeCharacters();

// The blocks of a glyph from the square the canvas draws it in, black on white, stretched over the
// whole cell: the grid line and the margin beside the square belong to no character, and
// elsewhere (a forum, a terminal) the glyph fills its cell.
CellBlocks blocksOf(ConstPixels square);

// The picture stretched to `stretch` cells of 18 x 18 pixels (the source pixel under each pixel's
// centre, as the other modes stretch it), as the darkness of each block of its top-left `cells`
// (at most 100 x 100): 6w x 6h values.
struct ShapeSamples {
    int w = 0, h = 0;
    std::vector<float> dark;
    float at(int bx, int by) const { return dark[size_t(by) * size_t(w * kShapeBlocks) + size_t(bx)]; }
};
ShapeSamples shapeSamples(ConstPixels picture, QSize stretch, QSize cells);

struct ShapeMatch {
    QList<QByteArray> lines; // two bytes a cell, w cells a line, h lines
    std::vector<float> ink;  // each cell's share of ink as drawn, row by row
};

// Each cell's nearest glyph by least squared difference of the blocks, and of each half cell's
// grey as a whole (or the nearest pair of single-byte characters, each half matched alone).
// `invert` matches the picture with dark and light swapped.
ShapeMatch matchShapes(const ShapeSamples& samples, const GlyphMasks& glyphs, bool invert);

} // namespace convert
