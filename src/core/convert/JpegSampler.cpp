// JPEG reading through libjpeg: the error manager, the size limits, and the stretch
// that decodes only the rows it samples. Needs no GUI library.
#include "JpegSampler.h"

#include "CellConversion.h"

#include <algorithm>
#include <climits>

// after jpeglib.h, which it needs
#include <jerror.h>

namespace convert::jpeg {

PictureError tooLarge(qint64 w, qint64 h) {
    return {PictureError::Kind::TooLarge,
            {},
            QSize(int(std::min<qint64>(w, INT_MAX)), int(std::min<qint64>(h, INT_MAX)))};
}

bool fits(qint64 w, qint64 h) {
    return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPixels;
}

bool isJpeg(const QByteArray& b) {
    return b.size() >= 3 && uchar(b[0]) == 0xFF && uchar(b[1]) == 0xD8 && uchar(b[2]) == 0xFF;
}

void jpegFailed(j_common_ptr info) {
    auto* e = reinterpret_cast<JpegErrors*>(info->err);
    info->err->format_message(info, e->message);
    std::longjmp(e->jump, 1);
}

void jpegMessage(j_common_ptr info, int level) {
    // A file that ends early is only a warning to libjpeg, which fills the rest with grey; here it is an
    // error.
    auto* e = reinterpret_cast<JpegErrors*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) e->truncated = true;
    if (level < 0) e->warned = true;
}

// The stretch's source row or column for target position t of n, from a side of `source` pixels.
void begin(jpeg_decompress_struct& info, JpegErrors& errors) {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFailed;
    errors.base.emit_message = jpegMessage;
    jpeg_create_decompress(&info);
}

bool readHeader(jpeg_decompress_struct& info, const QByteArray& bytes, PictureError* error, bool* fallback) {
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 (unsigned long)bytes.size());
    jpeg_read_header(&info, TRUE);
    // Huffman coding spends a bit at least on each block; arithmetic coding may spend less.
    if (!info.arith_code && double(info.image_width) * double(info.image_height) >
                                double(kMostPixelsPerByte) * double(bytes.size())) {
        if (error)
            *error = {PictureError::Kind::ImplausibleSize,
                      {},
                      QSize(int(info.image_width), int(info.image_height))};
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (!fits(info.image_width, info.image_height)) {
        if (error) *error = tooLarge(info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&info);
        *fallback = true;
        return false;
    }
    return true;
}

PictureError corrupt(const JpegErrors& errors) {
    return {PictureError::Kind::Damaged, QString::fromLocal8Bit(errors.message), {}};
}

qint64 sampleAt(qint64 t, qint64 source, qint64 n) {
    return (2 * t + 1) * source / (2 * n);
}

// A JPEG stretched to the chosen size, decoding only the sampled rows. False with *fallback for colour
// spaces that need the full decoder.
bool sampledJpeg(const QByteArray& bytes, const std::function<QSize(QSize)>& target, RgbRaster& out,
                 QByteArray& row, QSize* chosen, PictureError* error, bool* fallback) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    begin(info, errors);
    // `row` belongs to the caller: nothing with a destructor of its own lives in this frame across setjmp.
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        if (error) *error = corrupt(errors);
        out = RgbRaster();
        return false;
    }
    if (!readHeader(info, bytes, error, fallback)) return false;
    const qint64 sw = info.image_width, sh = info.image_height;
    const QSize size = target(QSize(int(sw), int(sh)));
    if (chosen) *chosen = size;
    out = RgbRaster();
    const int cw = std::clamp(size.width(), 0, kMaxSide), ch = std::clamp(size.height(), 0, kMaxSide);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    row.resize(qsizetype(info.output_width) * 4);
    qint64 decoded = -1; // the source row in `row`
    for (int ty = 0; ty < ch; ++ty) {
        const qint64 sy = sampleAt(ty, sh, size.height());
        if (sy != decoded) {
            if (sy > qint64(info.output_scanline))
                jpeg_skip_scanlines(&info, JDIMENSION(sy - info.output_scanline));
            JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
            jpeg_read_scanlines(&info, &line, 1);
            decoded = sy;
        }
        const auto* in = reinterpret_cast<const QRgb*>(row.constData());
        QRgb* o = out.pixels().row(ty);
        for (int tx = 0; tx < cw; ++tx) o[tx] = in[sampleAt(tx, sw, size.width())];
    }
    // The rest is skipped, not decoded; it is still read, so a file that ends early is found as the full
    // decode would find it.
    if (info.output_scanline < info.output_height)
        jpeg_skip_scanlines(&info, info.output_height - info.output_scanline);
    const bool truncated = errors.truncated, warned = errors.warned;
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (truncated) {
        out = RgbRaster();
        if (error) *error = {PictureError::Kind::Truncated, {}, {}};
        return false;
    }
    if (warned) {
        out = RgbRaster();
        *fallback = true; // the whole decode reads the damaged data the one way it is shown
        return false;
    }
    return true;
}

} // namespace convert::jpeg
