// How large a picture the program takes: beyond either limit a picture is
// refused from its header, before anything is decoded.
#pragma once

#include <QtGlobal>

namespace convert {

inline constexpr qint64 kMaxPixels = 100'000'000;
inline constexpr int kMaxPictureSide = 30'000;
// The scaled picture's side.
inline constexpr int kMaxSidePixels = 100;

} // namespace convert
