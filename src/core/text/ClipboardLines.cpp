// Clipboard lines for a new drawing.
#include "ClipboardLines.h"

#include "ClipboardText.h"
#include "TextLines.h"

#include <algorithm>

ClipboardLines ClipboardLines::read(const QString& text) {
    ClipboardLines c;
    if (clipboardTooLarge(text)) return c; // more than a drawing could start from: an empty one
    c.lines = clipboardLines(text);
    c.usable = c.lines.size() >= 3;
    if (!c.usable) return c;
    const qsizetype first = c.lines.first().size();
    c.rectangular =
        std::all_of(c.lines.begin(), c.lines.end(), [&](const QByteArray& l) { return l.size() == first; }) &&
        !pairingSplitsCharacter(unpairedLines(c.lines));
    c.width = int(std::min<qsizetype>(first / 2, 1 << 30));
    c.height = int(std::min<qsizetype>(c.lines.size(), 1 << 30));
    return c;
}

void ClipboardLines::fill(CharGrid& grid, int width, int height) const {
    layOutLines(unpairedLines(lines), rectangular, width, height,
                [&](int col, int row, CharCell cell) { grid.at(col, row) = cell; });
}
