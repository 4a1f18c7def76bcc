// Picture export.
#include "PictureExport.h"

#include "Canvas.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>

QImage exportedPicture(const CharGrid& grid, int width, int height, const QString& fontName, int pointSize,
                       int scale, bool inverted) {
    // Painted by the canvas's own painter at that size, so the picture is what the screen shows.
    Canvas canvas;
    canvas.setFont(fontName, pointSize);
    canvas.setGeometry(CellGeometry(std::max(scale, 1)));
    canvas.reset(width, height);
    CharGrid shown(CharCell::blank());
    canvas.reDrawAll(grid, shown, width, height);
    const QImage& painted = canvas.picture();
    if (painted.isNull()) return {};

    // Text pixels are ink; the grid lines and everything else are paper.
    const uchar ink = 1, paper = 0;
    QImage out(painted.size(), QImage::Format_Indexed8);
    if (out.isNull()) return {};
    out.setColorTable(
        {inverted ? qRgb(0, 0, 0) : qRgb(255, 255, 255), inverted ? qRgb(255, 255, 255) : qRgb(0, 0, 0)});
    for (int y = 0; y < painted.height(); ++y) {
        const uchar* in = painted.constScanLine(y);
        uchar* row = out.scanLine(y);
        for (int x = 0; x < painted.width(); ++x) row[x] = in[x] == Canvas::kBlack ? ink : paper;
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
