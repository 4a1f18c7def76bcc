// Light backend.
#include "LightBackend.h"

#include "core/convert/JpegSampler.h"

#include <QCoreApplication>

namespace cli {

Backend lightBackend() {
    Backend b;
    b.scale = [](const QByteArray& bytes, const std::function<QSize(QSize)>& target,
                 convert::PictureError* error, QSize* size,
                 bool* handOn) -> std::optional<convert::RgbRaster> {
        if (!convert::jpeg::isJpeg(bytes)) {
            *handOn = true;
            return std::nullopt;
        }
        convert::RgbRaster raster;
        QByteArray row;
        bool fallback = false;
        if (convert::jpeg::sampledJpeg(bytes, target, raster, row, size, error, &fallback)) return raster;
        *handOn = fallback; // a colour space only the full decoder turns into colours
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
