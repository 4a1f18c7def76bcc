// Picture loading and the stretch.
#include "Picture.h"

#include "CellConversion.h"
#include "ImagePixels.h"
#include "JpegDecoder.h"
#include "JpegSampler.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace convert {

namespace {

// Decodes a JPEG into `out` (32 bits a pixel, as QImage lays them out); false with *error on failure.
// Colour spaces libjpeg cannot turn into that layout (CMYK) set *fallback instead.
bool jpegInto(const QByteArray& bytes, QImage& out, PictureError* error, bool* fallback) {
    JpegDecoder jpeg(bytes);
    const auto failed = [&](const PictureError& why) {
        out = QImage();
        if (error) *error = why;
        return false;
    };
    if (!jpeg.readHeader()) {
        *fallback = jpeg.needsFullDecoder();
        return *fallback ? false : failed(jpeg.failure());
    }
    out = QImage(jpeg.size(), QImage::Format_RGB32);
    if (out.isNull()) return failed({PictureError::Kind::OutOfMemory, {}, {}});
    if (!jpeg.start() || !jpeg.read(pixels(out))) return failed(jpeg.failure());
    if (jpeg.truncated()) return failed({PictureError::Kind::Truncated, {}, {}});
    if (!jpeg.finish()) return failed(jpeg.failure());
    return true;
}

// Deflate (PNG) makes at most 1032 bytes of one.
constexpr double kDeflateRatio = 1032;
// A bitmap cut short still opens, its missing rows white, so its rows may run past the end
// of the file; but not to more than this many times the file's size.
constexpr double kBitmapCutShort = 4;

// What a PNG, BMP or GIF header announces, read from the bytes themselves: its size, so that
// a picture too large is refused whatever the decoder would try first; and whether the bytes
// could hold that many pixels at all, so that a damaged header is known before anything is
// set aside for the pixels it claims.
struct Announced {
    QSize size; // invalid for other kinds of picture
    bool plausible = true;
};

Announced announced(const QByteArray& b) {
    auto u8 = [&](qsizetype i) { return quint32(uchar(b[i])); };
    auto be32 = [&](qsizetype i) { return (u8(i) << 24) | (u8(i + 1) << 16) | (u8(i + 2) << 8) | u8(i + 3); };
    auto le32 = [&](qsizetype i) { return u8(i) | (u8(i + 1) << 8) | (u8(i + 2) << 16) | (u8(i + 3) << 24); };
    auto le16 = [&](qsizetype i) { return u8(i) | (u8(i + 1) << 8); };
    auto clamped = [](qint64 w, qint64 h) {
        return QSize(int(std::min<qint64>(w, INT_MAX)), int(std::min<qint64>(h, INT_MAX)));
    };
    // In floating point: a damaged header's sides multiply far beyond 64 bits.
    const double bytes = double(b.size());
    if (b.size() >= 24 && b.startsWith("\x89PNG\r\n\x1A\n")) {
        const double w = be32(16), h = be32(20);
        // Pixels take at least their bits once inflated: the depth times the colour type's channels.
        double bits = 1;
        if (b.size() >= 26) {
            const quint32 type = u8(25);
            const double channels = type == 2 ? 3 : type == 4 ? 2 : type == 6 ? 4 : 1;
            bits = std::max<double>(u8(24), 1) * channels;
        }
        return {clamped(be32(16), be32(20)), w * h * bits / 8 <= kDeflateRatio * bytes};
    }
    if (b.size() >= 26 && b.startsWith("BM") && le32(14) >= 40) {
        const qint64 w = qint32(le32(18)), h = std::abs(qint64(qint32(le32(22)))); // h < 0: stored top-down
        Announced a{clamped(w, h), true};
        if (b.size() < 34) return a;
        const double bits = le16(28);
        const quint32 compression = le32(30);
        if (compression == 0 || compression == 3 || compression == 6) {
            // Uncompressed: rows of whole 32-bit words.
            const double row = std::ceil(double(w) * bits / 32) * 4;
            a.plausible = row * double(h) <= kBitmapCutShort * bytes;
        } else {
            a.plausible = double(w) * double(h) <= double(kMostPixelsPerByte) * bytes;
        }
        return a;
    }
    if (b.size() >= 10 && (b.startsWith("GIF87a") || b.startsWith("GIF89a")))
        return {QSize(int(le16(6)), int(le16(8))),
                double(le16(6)) * double(le16(8)) <= double(kMostPixelsPerByte) * bytes};
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

QImage viaQt(const QByteArray& bytes, PictureError* error, QByteArray* vector) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    const Announced header = announced(bytes);
    if (!header.plausible) {
        if (error) *error = {PictureError::Kind::ImplausibleSize, {}, header.size};
        return {};
    }
    QSize size = header.size;
    if (!size.isValid()) size = reader.size();
    if (size.width() > 0 && size.height() > 0 && !fits(size.width(), size.height())) {
        if (error) *error = tooLarge(size.width(), size.height());
        return {};
    }
    const bool svg = reader.format() == "svg" || reader.format() == "svgz";
    // A truncated bitmap is read as far as it goes and the rest of its rows are left as
    // they were: start from a white picture the reader fills in, not from whatever memory held.
    QImage image;
    const QSize readerSize = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!svg && readerSize.isValid() && format != QImage::Format_Invalid &&
        fits(readerSize.width(), readerSize.height())) {
        image = QImage(readerSize, format);
        if (image.colorCount() == 0 && image.depth() > 8)
            image.fill(Qt::white);
        else
            image.fill(0);
    }
    if (!reader.read(&image)) image = QImage();
    if (image.isNull()) {
        if (error)
            *error = reader.error() == QImageReader::UnsupportedFormatError
                         ? PictureError{PictureError::Kind::NotAPicture, {}, {}}
                         : PictureError{PictureError::Kind::Damaged, reader.errorString(), {}};
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

QImage scaledPicture(const QByteArray& bytes, const std::function<QSize(QSize)>& target, PictureError* error,
                     QSize* size) {
    if (JpegDecoder::isJpeg(bytes)) {
        RgbRaster raster;
        bool fallback = false;
        if (jpeg::sampledJpeg(bytes, target, raster, size, error, &fallback))
            return toImage(raster.constPixels());
        if (!fallback) return {};
    }
    const Picture picture = Picture::fromBytes(bytes, error);
    if (picture.isNull()) return {};
    const QSize chosen = target(picture.size());
    if (size) *size = chosen;
    return picture.scaled(chosen.width(), chosen.height());
}

QImage decodeJpeg(const QByteArray& bytes, PictureError* error) {
    QImage out;
    bool fallback = false;
    if (!jpegInto(bytes, out, error, &fallback) && fallback && error)
        *error = {PictureError::Kind::UnsupportedJpeg, {}, {}};
    return out;
}

Picture Picture::load(const QString& path, PictureError* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = {PictureError::Kind::CannotOpen, file.errorString(), {}};
        return {};
    }
    // Even the largest picture that can be held is compressed far below this; the header decides the rest.
    if (file.size() > kMaxPixels * 4) {
        if (error) *error = {PictureError::Kind::FileTooLarge, {}, {}};
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = {PictureError::Kind::CannotRead, file.errorString(), {}};
        return {};
    }
    return fromBytes(bytes, error);
}

Picture Picture::fromBytes(const QByteArray& bytes, PictureError* error) {
    Picture p;
    if (bytes.isEmpty()) {
        if (error) *error = {PictureError::Kind::Empty, {}, {}};
        return p;
    }
    if (JpegDecoder::isJpeg(bytes)) {
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
    const ConstPixels from = constPixels(m_image);
    const Pixels to = pixels(out);
    for (int ty = 0; ty < ch; ++ty) {
        // The source pixel under the centre of the target pixel.
        const QRgb* in = from.row(int(jpeg::sampleAt(ty, sh, h)));
        QRgb* row = to.row(ty);
        for (int tx = 0; tx < cw; ++tx) row[tx] = in[jpeg::sampleAt(tx, sw, w)];
    }
    return out;
}

ShapeSamples Picture::shapeSamples(int w, int h, QSize within) const {
    const QSize stretch(std::max(w, 0), std::max(h, 0));
    const QSize cells(std::clamp(within.width(), 0, std::min(stretch.width(), kMaxSide)),
                      std::clamp(within.height(), 0, std::min(stretch.height(), kMaxSide)));
    if (isNull() || cells.isEmpty()) return convert::shapeSamples({}, stretch, cells);
    if (!isVector()) return convert::shapeSamples(constPixels(m_image), stretch, cells);
    // Drawn at the cells' size, only the part the cells show.
    QBuffer buffer;
    buffer.setData(m_vector);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(QSize(std::min<qint64>(qint64(w) * kCellSize, kMaxPictureSide),
                               std::min<qint64>(qint64(h) * kCellSize, kMaxPictureSide)));
    reader.setScaledClipRect(QRect(QPoint(0, 0), cells * kCellSize));
    QImage part = onWhite(reader.read());
    if (part.isNull()) return convert::shapeSamples({}, stretch, cells);
    if (part.size() != cells * kCellSize) {
        QImage whole(cells * kCellSize, QImage::Format_RGB32);
        whole.fill(Qt::white);
        QPainter(&whole).drawImage(0, 0, part);
        part = whole;
    }
    return convert::shapeSamples(constPixels(part), cells, cells);
}

} // namespace convert
