// Pictures of the program, drawn as SVG and rendered at the sizes asked for.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

QIcon svgIcon(const QString& resource);
QPixmap svgPixmap(const QString& resource, QSize size);
// A 32 x 32 monochrome cursor from an SVG picture: dark paint is black, light
// paint white, unpainted transparent. The hot spot is the top-left pixel.
QCursor svgCursor(const QString& resource);
