// Pictures of the program, drawn as SVG and rendered at the sizes asked for.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

// Drawn at each size when it is first shown, not before.
QIcon svgIcon(const QString& resource);
QPixmap svgPixmap(const QString& resource, QSize size);
// A 32 x 32 monochrome cursor from an SVG picture: dark paint is black, light
// paint white, unpainted transparent. The hot spot is the top-left pixel.
QCursor svgCursor(const QString& resource);
