// Full backend.
#include "FullBackend.h"

#include "core/convert/Banner.h"
#include "core/convert/Conversion.h"
#include "core/convert/ImagePixels.h"
#include "core/convert/Picture.h"
#include "core/render/CanvasFont.h"
#include "core/render/PictureExport.h"
#include "core/render/ShapeGlyphs.h"

#include <QGuiApplication>

#include <algorithm>

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
    b.shapes = [](const QByteArray& bytes, const std::function<QSize(QSize)>& target, bool invert,
                  convert::PictureError* error, QSize* size) -> std::optional<QList<QByteArray>> {
        const convert::Picture picture = convert::Picture::fromBytes(bytes, error);
        if (picture.isNull()) return std::nullopt;
        *size = target(picture.size());
        return convert::convertShapes(picture.shapeSamples(size->width(), size->height()), canvasGlyphMasks(),
                                      invert)
            .lines;
    };
    b.png = [](const QList<QByteArray>& lines) {
        CharGrid grid;
        int width = 0;
        const int height = int(std::min<qsizetype>(lines.size(), kGridMax));
        for (int row = 0; row < height; ++row) {
            const QByteArray& line = lines[row];
            const int cells = int(std::min<qsizetype>(line.size() / 2, kGridMax));
            for (int col = 0; col < cells; ++col)
                grid.at(col, row) = CharCell::of(uchar(line[2 * col]), uchar(line[2 * col + 1]));
            width = std::max(width, cells);
        }
        if (width == 0 || height == 0) return QByteArray();
        return pngBytes(exportedPicture(grid, width, height, kCanvasFontName, 10, 1, false));
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
