// The JPEG stretch that decodes only the rows it samples.
#include "JpegSampler.h"

#include "CellConversion.h"
#include "JpegDecoder.h"

#include <algorithm>
#include <vector>

namespace convert::jpeg {

qint64 sampleAt(qint64 t, qint64 source, qint64 n) {
    return (2 * t + 1) * source / (2 * n);
}

bool sampledJpeg(const QByteArray& bytes, const std::function<QSize(QSize)>& target, RgbRaster& out,
                 QSize* chosen, PictureError* error, bool* fallback) {
    out = RgbRaster();
    JpegDecoder jpeg(bytes);
    const auto failed = [&](const PictureError& why) {
        out = RgbRaster();
        if (error) *error = why;
        return false;
    };
    if (!jpeg.readHeader()) {
        *fallback = jpeg.needsFullDecoder();
        return *fallback ? false : failed(jpeg.failure());
    }
    const QSize source = jpeg.size();
    const qint64 sw = source.width(), sh = source.height();
    const QSize size = target(source);
    if (chosen) *chosen = size;
    const int cw = std::clamp(size.width(), 0, kMaxSide), ch = std::clamp(size.height(), 0, kMaxSide);
    if (!jpeg.start()) return failed(jpeg.failure());
    std::vector<QRgb> line(size_t(source.width()));
    const Pixels row(line.data(), qsizetype(line.size()) * 4, source.width(), 1);
    qint64 decoded = -1; // the source row in `line`
    for (int ty = 0; ty < ch; ++ty) {
        const qint64 sy = sampleAt(ty, sh, size.height());
        if (sy != decoded) {
            if (!jpeg.skipTo(sy) || !jpeg.read(row)) return failed(jpeg.failure());
            decoded = sy;
        }
        QRgb* o = out.pixels().row(ty);
        for (int tx = 0; tx < cw; ++tx) o[tx] = line[size_t(sampleAt(tx, sw, size.width()))];
    }
    // The rest is skipped, not decoded: a file that ends early is found as the full decode would find it.
    if (!jpeg.skipTo(sh)) return failed(jpeg.failure());
    if (jpeg.truncated()) return failed({PictureError::Kind::Truncated, {}, {}});
    if (jpeg.warned()) {
        out = RgbRaster();
        *fallback = true; // the whole decode reads the damaged data the one way it is shown
        return false;
    }
    return true;
}

} // namespace convert::jpeg
