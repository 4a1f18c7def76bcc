// Glyph masks from the canvas painter.
#include "ShapeGlyphs.h"

#include "CanvasFont.h"
#include "CellPainter.h"
#include "core/convert/ImagePixels.h"
#include "core/text/GbkText.h"

#include <algorithm>

namespace {

convert::GlyphMasks drawGlyphs() {
    // In the canvas's face and place, but smoothed: drawn in two colours at 16 pixels a fine
    // pattern such as the shade turns almost solid, which it is nowhere else the text is shown,
    // so its grey would mislead the matching.
    CellPainter painter(kCanvasFontName, 10);
    auto blocks = [&](CharCell cell) {
        return convert::blocksOf(convert::constPixels(painter.textSquare(cell, true)));
    };
    convert::GlyphMasks masks;
    masks.wide.push_back({QByteArray("  "), {}});
    for (const QChar c : convert::shapeCharacters()) {
        bool ok = false;
        const QByteArray bytes = unicodeToGbk(QString(c), &ok);
        if (!ok || bytes.size() != 2) continue;
        const convert::CellBlocks b = blocks(CharCell::of(uchar(bytes[0]), uchar(bytes[1])));
        // Glyphs drawn alike (box corners of one weight in some faces) are one choice.
        const bool seen = std::any_of(masks.wide.begin(), masks.wide.end(),
                                      [&](const convert::GlyphMasks::Wide& w) { return w.blocks == b; });
        if (!seen) masks.wide.push_back({bytes, b});
    }
    masks.narrow.push_back({' ', {}, {}});
    for (uchar c = 0x21; c < 0x7F; ++c) {
        const convert::CellBlocks first = blocks(CharCell::of(c, ' ')), second = blocks(CharCell::of(' ', c));
        convert::GlyphMasks::Narrow n{char(c), {}, {}};
        for (int by = 0; by < convert::kShapeBlocks; ++by)
            for (int bx = 0; bx < convert::kShapeHalf; ++bx) {
                const size_t k = size_t(by * convert::kShapeHalf + bx);
                n.left[k] = first[size_t(by * convert::kShapeBlocks + bx)];
                n.right[k] = second[size_t(by * convert::kShapeBlocks + convert::kShapeHalf + bx)];
            }
        masks.narrow.push_back(n);
    }
    return masks;
}

} // namespace

const convert::GlyphMasks& canvasGlyphMasks() {
    static const convert::GlyphMasks masks = drawGlyphs();
    return masks;
}
