// The stretch of a JPEG that decodes only the rows it samples, a row at a time,
// so that a large photo costs little time and memory. Needs no GUI library.
#pragma once

#include "PictureError.h"
#include "RgbRaster.h"

#include <QByteArray>
#include <QSize>

#include <functional>

namespace convert::jpeg {

// The stretch's source row or column for target position t of n, from a side of `source` pixels.
qint64 sampleAt(qint64 t, qint64 source, qint64 n);

// A JPEG stretched to the size `target` chooses from its own into `out` (a 100 x 100 raster),
// decoding only the sampled rows. False with *error on failure, or with *fallback for pictures
// that the whole decode reads better: colour spaces that need the full decoder, and damaged
// data that libjpeg decoded past.
bool sampledJpeg(const QByteArray& bytes, const std::function<QSize(QSize)>& target, RgbRaster& out,
                 QSize* chosen, PictureError* error, bool* fallback);

} // namespace convert::jpeg
