// How large a picture the program takes: beyond either limit a picture is
// refused from its header, before anything is decoded.
#pragma once

#include "PictureError.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>

namespace convert {

inline constexpr qint64 kMaxPixels = 100'000'000;
inline constexpr int kMaxPictureSide = 30'000;
// No compressed picture holds more pixels a byte than this: a GIF's codes stay under 2,800, a
// Huffman-coded JPEG spends a bit at least on each block of at most 32 x 32 pixels (8,192).
// A header claiming more is damaged, not a large picture. (PNG and uncompressed bitmaps have
// rules of their own; arithmetic-coded JPEG, rare, is taken at its word.)
inline constexpr qint64 kMostPixelsPerByte = 8'192;
// The scaled picture's side.
inline constexpr int kMaxSidePixels = 100;

// Whether a picture of w x h pixels is within the limits.
inline bool fits(qint64 w, qint64 h) {
    return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPixels;
}

// The failure for a picture beyond them.
inline PictureError tooLarge(qint64 w, qint64 h) {
    return {PictureError::Kind::TooLarge,
            {},
            QSize(int(std::min<qint64>(w, INT_MAX)), int(std::min<qint64>(h, INT_MAX)))};
}

} // namespace convert
