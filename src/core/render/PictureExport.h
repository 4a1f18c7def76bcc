// A drawing as a picture file, for places where a monospaced font cannot be relied
// on: the cells as the canvas paints them, without its grid lines.
#pragma once

#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The width x height cells of the grid drawn in the canvas font `fontName` as the canvas
// draws them at a zoom of `scale` (18 x 18 pixels a cell at 1, the font at that size too):
// black text on white, or white on black when `inverted`. Two colours, one byte a pixel.
QImage exportedPicture(const CharGrid& grid, int width, int height, const QString& fontName, int pointSize,
                       int scale, bool inverted);

// The picture as the bytes of a PNG file.
QByteArray pngBytes(const QImage& picture);
