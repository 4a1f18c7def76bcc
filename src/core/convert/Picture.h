// A picture to convert: a raster (JPEG through libjpeg, bitmaps, icons, PNG and
// GIF through Qt's readers, a clipboard picture) or a vector picture (SVG) that
// is drawn anew at the size it is stretched to. Pictures too large to hold are
// refused from their header, before anything is decoded, and so are headers that
// claim far more pixels than the file's bytes could hold: those are damaged.
#pragma once

#include "PictureError.h"
#include "PictureLimits.h"
#include "ShapeMatch.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

namespace convert {

class Picture {
public:
    Picture() = default;
    // From a file; on failure the result is null and *error says why.
    static Picture load(const QString& path, PictureError* error);
    // From bytes, as load() reads them (the clipboard's, a stream's).
    static Picture fromBytes(const QByteArray& bytes, PictureError* error);
    // From a picture already in memory (the clipboard's); transparency shows white.
    static Picture fromImage(const QImage& image);

    bool isNull() const { return m_image.isNull(); }
    QSize size() const { return m_image.size(); }
    bool isVector() const { return !m_vector.isEmpty(); }
    // The picture at its own size, on white, 32 bits a pixel.
    const QImage& image() const { return m_image; }

    // The picture stretched to w x h: a white 100 x 100 picture holding the top-left
    // part of the stretch. A raster takes one source pixel for each target pixel
    // (nearest, never averaged); a vector picture is drawn at that size.
    QImage scaled(int w, int h) const;
    // The picture stretched to w x h cells of 18 x 18 pixels, as shape matching sees its top-left
    // cells, at most `within`; stretched as scaled() stretches it.
    ShapeSamples shapeSamples(int w, int h, QSize within = {kGridMax, kGridMax}) const;

private:
    QImage m_image;
    QByteArray m_vector; // the SVG document, for drawing at other sizes
};

// The picture in `bytes` stretched to the size `target` chooses from its own size, as
// Picture::fromBytes(bytes).scaled() would give it. From a JPEG only the rows the stretch
// samples are decoded, a row at a time, so a large photo costs little time and memory.
// *size, when given, receives the size chosen; on failure the result is null.
QImage scaledPicture(const QByteArray& bytes, const std::function<QSize(QSize)>& target, PictureError* error,
                     QSize* size = nullptr);

// The libjpeg decode alone, into a 32-bit picture; for the benchmark's comparison.
QImage decodeJpeg(const QByteArray& bytes, PictureError* error);

} // namespace convert
