// The icons as the build drew them from their SVG files (runeboard-iconbake), at the sizes the
// frame shows them: a start shows them without reading or drawing any SVG.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <span>

struct BakedIcon {
    const char* resource; // ":/icons/name.svg"
    int side;
    const quint32* pixels; // side x side, premultiplied ARGB, row by row
};

// Every icon drawn by the build, in the file the build writes.
std::span<const BakedIcon> bakedIcons();
// The picture the build drew of a resource at a size; null when it drew none.
QImage bakedIcon(const QString& resource, QSize size);
