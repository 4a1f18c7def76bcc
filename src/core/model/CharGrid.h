// Character cells and the fixed 100 x 100 grid that every drawing keeps four of.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstring>

inline constexpr int kGridMax = 100;
// Pixels a cell takes on the canvas, in each direction, grid line included.
inline constexpr int kCellSize = 18;

// Two text bytes (one GBK double-byte character or two single-byte characters)
// and a third byte that is always 0, so the text reads as a 0-terminated string.
struct CharCell {
    quint8 b0 = ' ';
    quint8 b1 = ' ';
    quint8 b2 = 0;

    static constexpr CharCell blank() { return {' ', ' ', 0}; }
    static constexpr CharCell zero() { return {0, 0, 0}; }
    static constexpr CharCell of(quint8 a, quint8 b) { return {a, b, 0}; }

    bool sameText(const CharCell& o) const { return b0 == o.b0 && b1 == o.b1; }
    bool isBlank() const { return b0 == ' ' && b1 == ' '; }
    // The text as the 0-terminated string it forms: empty, one or two bytes.
    QByteArray text() const;
    friend bool operator==(const CharCell&, const CharCell&) = default;
};
static_assert(sizeof(CharCell) == 3);

// Cells are stored column by column: the loops over a grid run columns outer,
// rows inner, and a column of the area in use is one contiguous run of bytes.
class CharGrid {
public:
    explicit CharGrid(CharCell init = CharCell::blank()) { fill(init); }

    CharCell& at(int col, int row) { return m_cells[col][row]; }
    const CharCell& at(int col, int row) const { return m_cells[col][row]; }

    void fill(CharCell c);
    void fillArea(int width, int height, CharCell c);
    // Copies the cells of columns 0..width-1, rows 0..height-1 from src.
    void copyArea(const CharGrid& src, int width, int height);
    bool sameArea(const CharGrid& other, int width, int height) const;
    bool sameColumn(const CharGrid& other, int col, int height) const {
        return std::memcmp(m_cells[col], other.m_cells[col], sizeof(CharCell) * height) == 0;
    }

private:
    CharCell m_cells[kGridMax][kGridMax];
};
