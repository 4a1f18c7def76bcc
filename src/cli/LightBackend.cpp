// Light backend.
#include "LightBackend.h"

#include "core/convert/JpegDecoder.h"
#include "core/convert/JpegSampler.h"

#include <QCoreApplication>

namespace cli {

Backend lightBackend() {
    Backend b;
    b.scale = [](const QByteArray& bytes, const std::function<QSize(QSize)>& target,
                 convert::PictureError* error, QSize* size,
                 bool* handOn) -> std::optional<convert::RgbRaster> {
        if (!convert::JpegDecoder::isJpeg(bytes)) {
            *handOn = true;
            return std::nullopt;
        }
        convert::RgbRaster raster;
        bool fallback = false;
        if (convert::jpeg::sampledJpeg(bytes, target, raster, size, error, &fallback)) return raster;
        // A colour space only the full decoder turns into colours, or damage that it reads past.
        *handOn = fallback;
        return std::nullopt;
    };
    b.banner = [](const QString&, const QString&, int, bool, bool, bool, std::optional<QString>*,
                  bool* handOn) {
        *handOn = true;
        return std::optional<convert::RgbRaster>();
    };
    b.application = [](int& argc, char** argv, bool) {
        return std::make_unique<QCoreApplication>(argc, argv);
    };
    return b;
}

} // namespace cli
