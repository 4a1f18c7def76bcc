// QImage's side of the pixel view, kept apart from PixelView.h so that the command
// line's JPEG path, which never touches a QImage, needs nothing of the GUI library.
#pragma once

#include "CellConversion.h"
#include "PixelView.h"

#include <QImage>

namespace convert {

// The pixels of a picture of 32 bits a pixel (Format_RGB32 or ARGB32); empty for a null one.
inline ConstPixels constPixels(const QImage& image) {
    Q_ASSERT(image.isNull() || image.format() == QImage::Format_RGB32 ||
             image.format() == QImage::Format_ARGB32);
    return {reinterpret_cast<const QRgb*>(image.constBits()), image.bytesPerLine(), image.width(),
            image.height()};
}
// For writing: the picture is detached from any copy sharing it first.
inline Pixels pixels(QImage& image) {
    Q_ASSERT(image.isNull() || image.format() == QImage::Format_RGB32 ||
             image.format() == QImage::Format_ARGB32);
    return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine(), image.width(), image.height()};
}

// A copy of the pixels as a picture of their own, to show or to paint on.
inline QImage toImage(ConstPixels pixels) {
    return QImage(reinterpret_cast<const uchar*>(pixels.row(0)), pixels.width(), pixels.height(),
                  pixels.bytesPerLine(), QImage::Format_RGB32)
        .copy();
}

// A white 100 x 100 picture of 32 bits a pixel, as the scaled and effect pictures start.
inline QImage blankPicture() {
    QImage image(kMaxSide, kMaxSide, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    return image;
}

} // namespace convert
