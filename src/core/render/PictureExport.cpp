// Picture export.
#include "PictureExport.h"

#include "Canvas.h"

#include <QBuffer>
#include <QImageWriter>

QImage exportedPicture(const CharGrid& grid, int width, int height, const QFont& font, int scale,
                       bool inverted) {
    // Painted by the canvas's own painter, so the picture is what the screen shows.
    Canvas canvas;
    canvas.setFont(font);
    canvas.reset(width, height);
    CharGrid shown(CharCell::blank());
    canvas.reDrawAll(grid, shown, width, height);
    const QImage& painted = canvas.picture();

    // Text pixels are ink; the grid lines and everything else are paper.
    const uchar ink = 1, paper = 0;
    QImage out(painted.width() * scale, painted.height() * scale, QImage::Format_Indexed8);
    out.setColorTable(
        {inverted ? qRgb(0, 0, 0) : qRgb(255, 255, 255), inverted ? qRgb(255, 255, 255) : qRgb(0, 0, 0)});
    for (int y = 0; y < painted.height(); ++y) {
        const uchar* in = painted.constScanLine(y);
        uchar* row = out.scanLine(y * scale);
        for (int x = 0; x < painted.width(); ++x)
            std::fill_n(row + x * scale, scale, in[x] == Canvas::kBlack ? ink : paper);
        for (int k = 1; k < scale; ++k) std::copy_n(row, out.width(), out.scanLine(y * scale + k));
    }
    return out;
}

QByteArray pngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) return {};
    return bytes;
}
