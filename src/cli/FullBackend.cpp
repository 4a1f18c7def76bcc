// Full backend.
#include "FullBackend.h"

#include "core/convert/Banner.h"
#include "core/convert/ImagePixels.h"
#include "core/convert/Picture.h"
#include "core/render/CanvasFont.h"

#include <QGuiApplication>

namespace cli {

namespace {

convert::RgbRaster toRaster(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    convert::RgbRaster raster(rgb.width(), rgb.height());
    convert::copyPixels(convert::constPixels(rgb), raster.pixels());
    return raster;
}

} // namespace

Backend fullBackend() {
    Backend b;
    b.scale = [](const QByteArray& bytes, const std::function<QSize(QSize)>& target,
                 convert::PictureError* error, QSize* size, bool*) -> std::optional<convert::RgbRaster> {
        const QImage scaled = convert::scaledPicture(bytes, target, error, size);
        if (scaled.isNull()) return std::nullopt;
        return toRaster(scaled);
    };
    b.banner = [](const QString& text, const QString& family, int pointSize, bool bold, bool italic,
                  bool underline, std::optional<QString>* standIn,
                  bool*) -> std::optional<convert::RgbRaster> {
        const QFont font = convert::bannerFont(family, pointSize, bold, italic, underline);
        *standIn = convert::standInFamily(font);
        return toRaster(convert::renderBanner(text, font, {0, 0}));
    };
    b.application = [](int& argc, char** argv, bool fonts) -> std::unique_ptr<QCoreApplication> {
        if (!fonts) return std::make_unique<QCoreApplication>(argc, argv);
        auto app = std::make_unique<QGuiApplication>(argc, argv);
        installFontStandIns();
        return app;
    };
    return b;
}

} // namespace cli
