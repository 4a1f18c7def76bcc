// The conversion pipeline.
#include "Conversion.h"

#include <algorithm>

namespace convert {

Conversion convertPicture(ConstPixels picture, const ConversionSettings& settings) {
    Conversion c;
    const int w = std::clamp(settings.size.width(), 0, kMaxSide);
    const int h = std::clamp(settings.size.height(), 0, kMaxSide);
    const Pixels effect = c.effect.pixels();
    int threshold = settings.threshold;
    if (settings.automatic) {
        c.automaticThreshold = autoThreshold(picture, w, h, *settings.automatic);
        threshold = c.automaticThreshold.value_or(threshold);
    }
    if (settings.source == Source::Effect)
        copyPixels(picture, effect);
    else if (settings.mode == Mode::Gradient)
        gradient(picture, effect, w, h);
    else if (settings.mode == Mode::Dither)
        dither(picture, effect, w, h, threshold);
    else
        twoColour(picture, effect, w, h, threshold);
    if (settings.invert) invert(effect, w, h, settings.mode);
    c.area = settings.cropToInk ? inkBounds(effect, w, h) : QRect(0, 0, w, h);
    c.lines = cellsIn(effect, c.area, settings.mode, settings.fill);
    return c;
}

Conversion convertShapes(const ShapeSamples& samples, const GlyphMasks& glyphs, bool invert) {
    Conversion c;
    ShapeMatch m = matchShapes(samples, glyphs, invert);
    const Pixels effect = c.effect.pixels();
    for (int y = 0; y < samples.h; ++y)
        for (int x = 0; x < samples.w; ++x) {
            const int v = 255 - int(m.ink[size_t(y) * size_t(samples.w) + size_t(x)] * 255.0f + 0.5f);
            effect.row(y)[x] = qRgb(v, v, v);
        }
    c.area = QRect(0, 0, samples.w, samples.h);
    c.lines = std::move(m.lines);
    return c;
}

} // namespace convert
