// The JPEG decoder: every libjpeg call behind a step that catches its errors.
#include "JpegDecoder.h"

#include "PictureLimits.h"

// after jpeglib.h, which it needs
#include <jerror.h>

namespace convert {

bool JpegDecoder::isJpeg(const QByteArray& b) {
    return b.size() >= 3 && uchar(b[0]) == 0xFF && uchar(b[1]) == 0xD8 && uchar(b[2]) == 0xFF;
}

JpegDecoder::JpegDecoder(QByteArray bytes) : m_bytes(std::move(bytes)) {
    m_info.err = jpeg_std_error(&m_errors.base);
    m_errors.base.error_exit = failed;
    m_errors.base.emit_message = noted;
    m_created = create();
}

JpegDecoder::~JpegDecoder() {
    // Safe in any state, even after a failed creation: the structure started out zeroed.
    jpeg_destroy_decompress(&m_info);
}

void JpegDecoder::failed(j_common_ptr info) {
    auto* e = reinterpret_cast<Errors*>(info->err);
    info->err->format_message(info, e->message);
    std::longjmp(e->jump, 1);
}

void JpegDecoder::noted(j_common_ptr info, int level) {
    // A file that ends early is only a warning to libjpeg; here it is an error.
    auto* e = reinterpret_cast<Errors*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) e->truncated = true;
    if (level < 0) e->warned = true;
}

// The steps that call libjpeg: setjmp first, then nothing but libjpeg calls and plain values, so
// that the jump back skips no destructor.

bool JpegDecoder::create() {
    if (setjmp(m_errors.jump)) return false;
    jpeg_create_decompress(&m_info);
    return true;
}

bool JpegDecoder::readHeader() {
    if (!m_created) return failedInLibjpeg();
    if (setjmp(m_errors.jump)) return failedInLibjpeg();
    jpeg_mem_src(&m_info, reinterpret_cast<const unsigned char*>(m_bytes.constData()),
                 (unsigned long)m_bytes.size());
    jpeg_read_header(&m_info, TRUE);
    return acceptHeader();
}

bool JpegDecoder::start() {
    if (setjmp(m_errors.jump)) return failedInLibjpeg();
    m_info.out_color_space = JCS_EXT_BGRX; // QImage's 32-bit layout, written in place
    jpeg_start_decompress(&m_info);
    return true;
}

bool JpegDecoder::read(Pixels rows) {
    Q_ASSERT(rows.width() >= int(m_info.output_width));
    if (setjmp(m_errors.jump)) return failedInLibjpeg();
    for (int y = 0; y < rows.height() && m_info.output_scanline < m_info.output_height && !m_errors.truncated;
         ++y) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(rows.row(y));
        jpeg_read_scanlines(&m_info, &row, 1);
    }
    return true;
}

bool JpegDecoder::skipTo(qint64 row) {
    if (setjmp(m_errors.jump)) return failedInLibjpeg();
    if (row > qint64(m_info.output_scanline))
        jpeg_skip_scanlines(&m_info, JDIMENSION(row - qint64(m_info.output_scanline)));
    return true;
}

bool JpegDecoder::finish() {
    if (setjmp(m_errors.jump)) return failedInLibjpeg();
    jpeg_finish_decompress(&m_info);
    return true;
}

bool JpegDecoder::failedInLibjpeg() {
    m_failure = {PictureError::Kind::Damaged, QString::fromLocal8Bit(m_errors.message), {}};
    return false;
}

bool JpegDecoder::acceptHeader() {
    const double w = m_info.image_width, h = m_info.image_height;
    // Huffman coding spends a bit at least on each block; arithmetic coding may spend less.
    if (!m_info.arith_code && w * h > double(kMostPixelsPerByte) * double(m_bytes.size())) {
        m_failure = {PictureError::Kind::ImplausibleSize, {}, size()};
        return false;
    }
    if (!fits(m_info.image_width, m_info.image_height)) {
        m_failure = tooLarge(m_info.image_width, m_info.image_height);
        return false;
    }
    m_needsFullDecoder = m_info.jpeg_color_space == JCS_CMYK || m_info.jpeg_color_space == JCS_YCCK;
    return !m_needsFullDecoder;
}

QSize JpegDecoder::size() const {
    return {int(m_info.image_width), int(m_info.image_height)};
}

} // namespace convert
