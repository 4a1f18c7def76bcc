// A view of a picture held elsewhere as rows of 32-bit pixels, as QImage lays out
// Format_RGB32 and ARGB32 and RgbRaster its pixels: the conversion rules read and
// write pictures through it, whoever holds them, and need no GUI library for it.
#pragma once

#include <QRect>
#include <QRgb>
#include <QtGlobal>

#include <algorithm>
#include <type_traits>

namespace convert {

// Pixel is QRgb for a view that writes, const QRgb for one that only reads.
template <typename Pixel> class PixelView {
    using Byte = std::conditional_t<std::is_const_v<Pixel>, const uchar, uchar>;

public:
    PixelView() = default;
    PixelView(Pixel* first, qsizetype bytesPerLine, int width, int height)
        : m_first(first), m_bytesPerLine(bytesPerLine), m_width(width), m_height(height) {}
    // A view that writes also reads.
    operator PixelView<const QRgb>() const requires(!std::is_const_v<Pixel>) {
        return {m_first, m_bytesPerLine, m_width, m_height};
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    qsizetype bytesPerLine() const { return m_bytesPerLine; }
    QRect rect() const { return {0, 0, m_width, m_height}; }
    Pixel* row(int y) const {
        return reinterpret_cast<Pixel*>(reinterpret_cast<Byte*>(m_first) + y * m_bytesPerLine);
    }

private:
    Pixel* m_first = nullptr;
    qsizetype m_bytesPerLine = 0;
    int m_width = 0, m_height = 0;
};

using ConstPixels = PixelView<const QRgb>;
using Pixels = PixelView<QRgb>;

// The top-left part the two pictures share, copied.
inline void copyPixels(ConstPixels from, Pixels to) {
    const int w = std::min(from.width(), to.width()), h = std::min(from.height(), to.height());
    for (int y = 0; y < h; ++y) std::copy_n(from.row(y), w, to.row(y));
}

} // namespace convert
