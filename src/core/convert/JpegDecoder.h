// One JPEG decompression through libjpeg, owned from start to end: the header read
// with the checks every picture gets, rows decoded or passed over, and the
// decompressor destroyed with the object. Needs no GUI library.
#pragma once

#include "PictureError.h"
#include "PixelView.h"

#include <QByteArray>
#include <QSize>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace convert {

// libjpeg reports an error by jumping out of the call that failed. Each step below catches
// that jump in a frame of its own, holding nothing that needs destroying, and returns false;
// failure() then says why, and the decoder is only good for destroying.
class JpegDecoder {
public:
    static bool isJpeg(const QByteArray& bytes);

    explicit JpegDecoder(QByteArray bytes);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // The header. Refused when it claims far more pixels than the bytes can hold, when the
    // picture is beyond the limits, or when its colour space needs the conversion of the
    // decoder that reads every format (CMYK: needsFullDecoder(), and no failure()).
    bool readHeader();
    QSize size() const;
    // From here on rows come as QImage lays out Format_RGB32.
    bool start();
    // Decodes the next rows into the rows of `rows` (at least as wide as the picture), until
    // either ends or the file does.
    bool read(Pixels rows);
    // Passes over the rows before `row` without decoding them all; they are still read, so a
    // file that ends early is found as decoding them would find it.
    bool skipTo(qint64 row);
    // Reads what follows the last row.
    bool finish();

    // The file ended before the picture did: libjpeg fills the rest with grey, which is not the picture.
    bool truncated() const { return m_errors.truncated; }
    // libjpeg decoded past damaged data: skipping rows may then read it otherwise than decoding them does.
    bool warned() const { return m_errors.warned; }
    bool needsFullDecoder() const { return m_needsFullDecoder; }
    const PictureError& failure() const { return m_failure; }

private:
    struct Errors {
        jpeg_error_mgr base; // first: libjpeg hands its callbacks a pointer to it
        std::jmp_buf jump;
        char message[JMSG_LENGTH_MAX] = {};
        bool truncated = false;
        bool warned = false;
    };
    static void failed(j_common_ptr info);
    static void noted(j_common_ptr info, int level);
    bool create();
    bool failedInLibjpeg();
    bool acceptHeader();

    QByteArray m_bytes; // libjpeg reads them in place
    jpeg_decompress_struct m_info{};
    Errors m_errors;
    bool m_created = false;
    bool m_needsFullDecoder = false;
    PictureError m_failure;
};

} // namespace convert
