// A picture made into cells by its settings, in one function: the import dialog, the
// text banner and the command line all convert through it, so they cannot differ.
#pragma once

#include "ConversionSettings.h"
#include "PixelView.h"
#include "RgbRaster.h"
#include "ShapeMatch.h"

#include <QByteArray>
#include <QList>
#include <QRect>

#include <optional>

namespace convert {

struct Conversion {
    // What the pixels became, 100 x 100: ink black on white, or grey levels. Beyond the size it
    // is white, or the effect picture given.
    RgbRaster effect;
    // The threshold the automatic method found; nothing when it was not asked for or the size
    // holds no pixel, and then the given threshold was used.
    std::optional<int> automaticThreshold;
    // The part of the effect picture the lines are of: the size, or the ink's bounds (empty without ink).
    QRect area;
    // One line of two bytes a cell for each row of the area.
    QList<QByteArray> lines;
};

// The threshold (given or automatic) or the gradient over the picture's top-left part of the
// settings' size, unless it is an effect picture already; then inverting, when asked; then the
// cells, from the brush or from the article, which starts at its beginning.
Conversion convertPicture(ConstPixels picture, const ConversionSettings& settings);

// Shape matching over the picture's blocks: the lines are the glyphs chosen, and the effect
// picture shows each cell's grey as drawn (its share of ink) on white.
Conversion convertShapes(const ShapeSamples& samples, const GlyphMasks& glyphs, bool invert);

} // namespace convert
