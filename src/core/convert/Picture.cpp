// Picture loading and the stretch.
#include "Picture.h"

#include "CellConversion.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <climits>
#include <cmath>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace convert {

namespace {

QString tooLarge(qint64 w, qint64 h) {
    return QStringLiteral("图片太大（%1 × %2 像素），无法导入：最多 %3 万像素，每边最多 %4 像素。")
        .arg(w)
        .arg(h)
        .arg(kMaxPixels / 10'000)
        .arg(kMaxPictureSide);
}

bool fits(qint64 w, qint64 h) {
    return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPixels;
}

bool isJpeg(const QByteArray& b) {
    return b.size() >= 3 && uchar(b[0]) == 0xFF && uchar(b[1]) == 0xD8 && uchar(b[2]) == 0xFF;
}

// libjpeg reports errors through this manager: the message is kept and the decode jumps back out.
struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
    bool truncated = false;
};

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
}

// Decodes a JPEG into `out` (32 bits a pixel, as QImage lays them out); false with *error on failure.
// Colour spaces libjpeg cannot turn into that layout (CMYK) set *fallback instead.
bool jpegInto(const QByteArray& bytes, QImage& out, QString* error, bool* fallback) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFailed;
    errors.base.emit_message = jpegMessage;
    jpeg_create_decompress(&info);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error =
                QStringLiteral("JPEG 图片已损坏，无法读取：%1").arg(QString::fromLocal8Bit(errors.message));
        out = QImage();
        return false;
    }
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 (unsigned long)bytes.size());
    jpeg_read_header(&info, TRUE);
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
    info.out_color_space = JCS_EXT_BGRX; // QImage's 32-bit layout, written in place
    out = QImage(int(info.image_width), int(info.image_height), QImage::Format_RGB32);
    if (out.isNull()) {
        jpeg_destroy_decompress(&info);
        if (error) *error = QStringLiteral("内存不足，无法读取这个图片。");
        return false;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (errors.truncated) break;
    }
    if (errors.truncated) {
        jpeg_destroy_decompress(&info);
        out = QImage();
        if (error) *error = QStringLiteral("JPEG 图片不完整（文件提前结束），无法读取。");
        return false;
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The size a PNG, BMP or GIF header announces, read from the bytes themselves, so
// that a picture too large is refused whatever the decoder would try first.
QSize announcedSize(const QByteArray& b) {
    auto u8 = [&](qsizetype i) { return quint32(uchar(b[i])); };
    auto be32 = [&](qsizetype i) { return (u8(i) << 24) | (u8(i + 1) << 16) | (u8(i + 2) << 8) | u8(i + 3); };
    auto le32 = [&](qsizetype i) { return u8(i) | (u8(i + 1) << 8) | (u8(i + 2) << 16) | (u8(i + 3) << 24); };
    auto le16 = [&](qsizetype i) { return u8(i) | (u8(i + 1) << 8); };
    if (b.size() >= 24 && b.startsWith("\x89PNG\r\n\x1A\n"))
        return {int(std::min<quint32>(be32(16), INT_MAX)), int(std::min<quint32>(be32(20), INT_MAX))};
    if (b.size() >= 26 && b.startsWith("BM") && le32(14) >= 40) {
        const qint64 h = qint32(le32(22)); // negative for pictures stored top-down
        return {int(std::min<qint64>(qint32(le32(18)), INT_MAX)),
                int(std::min<qint64>(std::abs(h), INT_MAX))};
    }
    if (b.size() >= 10 && (b.startsWith("GIF87a") || b.startsWith("GIF89a")))
        return {int(le16(6)), int(le16(8))};
    return {};
}

// Anything with an alpha channel is laid on white, as it would show on the page.
QImage onWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

QImage viaQt(const QByteArray& bytes, QString* error, QByteArray* vector) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    QSize size = announcedSize(bytes);
    if (!size.isValid()) size = reader.size();
    if (size.width() > 0 && size.height() > 0 && !fits(size.width(), size.height())) {
        if (error) *error = tooLarge(size.width(), size.height());
        return {};
    }
    const bool svg = reader.format() == "svg" || reader.format() == "svgz";
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error =
                reader.error() == QImageReader::UnsupportedFormatError
                    ? QStringLiteral("这不是可以导入的图片文件（支持 JPEG、BMP、ICO、PNG、GIF 和 SVG）。")
                    : QStringLiteral("图片已损坏，无法读取：%1").arg(reader.errorString());
        return {};
    }
    if (!fits(image.width(), image.height())) {
        if (error) *error = tooLarge(image.width(), image.height());
        return {};
    }
    if (svg) *vector = bytes;
    return onWhite(image);
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* error) {
    QImage out;
    bool fallback = false;
    if (!jpegInto(bytes, out, error, &fallback) && fallback && error)
        *error = QStringLiteral("不支持这种 JPEG 颜色空间");
    return out;
}

Picture Picture::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("无法打开图片文件：%1").arg(file.errorString());
        return {};
    }
    // Even the largest picture that can be held is compressed far below this; the header decides the rest.
    if (file.size() > kMaxPixels * 4) {
        if (error) *error = QStringLiteral("图片文件太大，无法导入。");
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = QStringLiteral("无法读取图片文件：%1").arg(file.errorString());
        return {};
    }
    return fromBytes(bytes, error);
}

Picture Picture::fromBytes(const QByteArray& bytes, QString* error) {
    Picture p;
    if (bytes.isEmpty()) {
        if (error) *error = QStringLiteral("图片文件是空的。");
        return p;
    }
    if (isJpeg(bytes)) {
        bool fallback = false;
        if (jpegInto(bytes, p.m_image, error, &fallback)) return p;
        if (!fallback) return {};
    }
    p.m_image = viaQt(bytes, error, &p.m_vector);
    if (p.m_image.isNull()) return {};
    return p;
}

Picture Picture::fromImage(const QImage& image) {
    Picture p;
    if (!image.isNull() && fits(image.width(), image.height())) p.m_image = onWhite(image);
    return p;
}

QImage Picture::scaled(int w, int h) const {
    QImage out = blankPicture();
    if (isNull() || w <= 0 || h <= 0) return out;
    const int cw = std::min(w, kMaxSide), ch = std::min(h, kMaxSide);
    if (isVector()) {
        // Drawn at the target size; only the part that the 100 x 100 picture shows is made.
        QBuffer buffer;
        buffer.setData(m_vector);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(QSize(std::min(w, kMaxPictureSide), std::min(h, kMaxPictureSide)));
        reader.setScaledClipRect(QRect(0, 0, cw, ch));
        const QImage part = onWhite(reader.read());
        QPainter painter(&out);
        painter.drawImage(0, 0, part);
        return out;
    }
    const qint64 sw = m_image.width(), sh = m_image.height();
    for (int ty = 0; ty < ch; ++ty) {
        // The source pixel under the centre of the target pixel.
        const int sy = int((2 * qint64(ty) + 1) * sh / (2 * qint64(h)));
        const auto* in = reinterpret_cast<const QRgb*>(m_image.constScanLine(sy));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(ty));
        for (int tx = 0; tx < cw; ++tx) row[tx] = in[(2 * qint64(tx) + 1) * sw / (2 * qint64(w))];
    }
    return out;
}

} // namespace convert
