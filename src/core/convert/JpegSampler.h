// JPEG reading through libjpeg, without the GUI library: the error manager, the
// size limits every picture loader applies, and the stretch that decodes only the
// rows it samples, a row at a time.
#pragma once

#include "PictureError.h"
#include "PictureLimits.h"
#include "RgbRaster.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <csetjmp>
#include <cstdio>
#include <functional>

#include <jpeglib.h>

namespace convert::jpeg {

// The failure for a picture beyond the limits, and the test of them.
PictureError tooLarge(qint64 w, qint64 h);
bool fits(qint64 w, qint64 h);
bool isJpeg(const QByteArray& bytes);

// libjpeg reports errors through this manager: the message is kept and the decode jumps back out.
struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
    bool truncated = false;
    // Corrupt data that libjpeg decoded past: skipping rows may then read it otherwise than
    // decoding them does, so the row-by-row stretch gives way to the whole decode.
    bool warned = false;
};
void jpegFailed(j_common_ptr info);
// A file that ends early is only a warning to libjpeg; it is noted here as the error it is,
// and any warning about damaged data is noted too.
void jpegMessage(j_common_ptr info, int level);

// Sets up a decompression that reports errors through `errors`.
void begin(jpeg_decompress_struct& info, JpegErrors& errors);
// After the caller's setjmp: the header of the bytes, and whether the picture can be read.
// False, with the decompression ended, when it is too large (*error) or needs the full
// decoder's colour conversion (*fallback).
bool readHeader(jpeg_decompress_struct& info, const QByteArray& bytes, PictureError* error, bool* fallback);
// The failure for a decode that jumped back out.
PictureError corrupt(const JpegErrors& errors);

// The stretch's source row or column for target position t of n, from a side of `source` pixels.
qint64 sampleAt(qint64 t, qint64 source, qint64 n);

// A JPEG stretched to the size `target` chooses from its own into `out` (a 100 x 100
// raster), decoding only the sampled rows; `row` is the caller's buffer for one row.
// False with *error on failure, or with *fallback for colour spaces that need the full decoder.
bool sampledJpeg(const QByteArray& bytes, const std::function<QSize(QSize)>& target, RgbRaster& out,
                 QByteArray& row, QSize* chosen, PictureError* error, bool* fallback);

} // namespace convert::jpeg
