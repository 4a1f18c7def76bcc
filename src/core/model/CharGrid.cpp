// Character cells and grids.
#include "CharGrid.h"

QByteArray CharCell::text() const {
    if (b0 == 0) return {};
    if (b1 == 0) return QByteArray(1, char(b0));
    const char pair[2] = {char(b0), char(b1)};
    return QByteArray(pair, 2);
}

void CharGrid::fill(CharCell c) {
    for (auto& column : m_cells)
        for (auto& cell : column) cell = c;
}

void CharGrid::fillArea(int width, int height, CharCell c) {
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) m_cells[x][y] = c;
}

void CharGrid::copyArea(const CharGrid& src, int width, int height) {
    // The third byte is 0 in every grid, so copying whole cells copies just the text.
    for (int x = 0; x < width; ++x) std::memcpy(m_cells[x], src.m_cells[x], sizeof(CharCell) * height);
}

bool CharGrid::sameArea(const CharGrid& other, int width, int height) const {
    for (int x = 0; x < width; ++x)
        if (!sameColumn(other, x, height)) return false;
    return true;
}
