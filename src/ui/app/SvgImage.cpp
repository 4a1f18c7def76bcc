// SVG pictures into images.
#include "SvgImage.h"

#include <QPainter>
#include <QSvgRenderer>

QImage svgImage(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter p(&image);
        renderer.render(&p);
    }
    return image;
}
