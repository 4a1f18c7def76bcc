// The hot-spot offset each tool's cursor adds to the pointer, written out for
// the tests: pens and sprays point from (10, 16), the text changer from (0, 10),
// the eyedropper from (0, 16), every other cursor from its top-left pixel.
#pragma once

#include "core/tools/ToolTable.h"

#include <QPoint>

#include <cmath>

inline QPoint expectedHotSpot(ToolId tool) {
    switch (tool) {
    case ToolId::Pencil:
    case ToolId::Spray:
        return {10, 16};
    case ToolId::ModifyText:
        return {0, 10};
    case ToolId::Eyedropper:
        return {0, 16};
    default:
        return {0, 0};
    }
}

// The canvas pixel that acts on the centre of a cell once the tool's cursor is shown.
inline QPoint pixelForCell(ToolId tool, QPoint cell, double zoom = 1.0) {
    const QPoint centre(int(std::lround((cell.x() * 18 + 9) * zoom)),
                        int(std::lround((cell.y() * 18 + 9) * zoom)));
    return centre - expectedHotSpot(tool);
}
