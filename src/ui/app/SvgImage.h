// An SVG picture drawn into an image of a given size: the one way the program draws its icons
// and cursors, at start-up, on demand, and when the build draws the buttons' icons ahead.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Premultiplied ARGB, transparent where the picture does not paint; all transparent when the
// file cannot be read.
QImage svgImage(const QString& file, QSize size);
