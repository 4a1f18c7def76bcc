// SVG icons and cursors.
#include "Icons.h"

#include "SvgIconEngine.h"
#include "SvgImage.h"

#include <QBitmap>
#include <QImage>

QPixmap svgPixmap(const QString& resource, QSize size) {
    return QPixmap::fromImage(svgImage(resource, size));
}

QIcon svgIcon(const QString& resource) {
    return QIcon(new SvgIconEngine(resource));
}

QCursor svgCursor(const QString& resource) {
    constexpr int kSize = 32;
    const QImage art = svgImage(resource, QSize(kSize, kSize)).convertToFormat(QImage::Format_ARGB32);
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
