// SVG icons and cursors.
#include "Icons.h"

#include "SvgIconEngine.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPixmap(const QString& resource, QSize size) {
    QSvgRenderer renderer(resource);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter p(&image);
        renderer.render(&p);
    }
    return QPixmap::fromImage(image);
}

QIcon svgIcon(const QString& resource) {
    return QIcon(new SvgIconEngine(resource));
}

QCursor svgCursor(const QString& resource) {
    constexpr int kSize = 32;
    const QImage art =
        svgPixmap(resource, QSize(kSize, kSize)).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage bits(kSize, kSize, QImage::Format_Mono), mask(kSize, kSize, QImage::Format_Mono);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const QRgb c = art.pixel(x, y);
            if (qAlpha(c) < 128) continue;
            mask.setPixel(x, y, 1);
            bits.setPixel(x, y, qGray(c) < 128 ? 1 : 0);
        }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 0, 0);
}
