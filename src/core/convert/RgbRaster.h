// A small picture of 32-bit pixels laid out as QImage lays out Format_RGB32,
// without needing the GUI library: the converter's scaled and effect pictures.
#pragma once

#include "PixelView.h"

#include <vector>

namespace convert {

class RgbRaster {
public:
    // White, 100 x 100 pixels, as the scaled and effect pictures start.
    explicit RgbRaster(int width = 100, int height = 100, QRgb fill = 0xFFFFFFFFu)
        : m_width(width), m_height(height), m_pixels(size_t(width) * size_t(height), fill) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    ConstPixels constPixels() const { return {m_pixels.data(), qsizetype(m_width) * 4, m_width, m_height}; }
    Pixels pixels() { return {m_pixels.data(), qsizetype(m_width) * 4, m_width, m_height}; }
    friend bool operator==(const RgbRaster&, const RgbRaster&) = default;

private:
    int m_width, m_height;
    std::vector<QRgb> m_pixels;
};

} // namespace convert
