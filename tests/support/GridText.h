// Grids as readable text for test expectations, and back.
#pragma once

#include "core/model/CharGrid.h"

#include <QString>

#include <initializer_list>

// Rows of the width x height area joined by '\n'; each cell as its GBK text
// decoded, so "画画" is two cells of 画 and "ab" one cell of a and b.
QString gridText(const CharGrid& grid, int width, int height);
// Writes rows of text (GBK-encoded, two bytes per cell) into the grid from (0, 0).
void setGridText(CharGrid& grid, const QString& rows);
// A grid as a picture of rows: '#' for a cell of the brush 画, '.' for a blank cell.
QString art(std::initializer_list<const char*> rows);
