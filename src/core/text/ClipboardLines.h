// What New makes of the clipboard text: its lines as GBK bytes, whether they
// form a block that New can propose, and the fill of a new drawing from them.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class CharGrid;

struct ClipboardLines {
    QList<QByteArray> lines;
    bool usable = false; // three lines or more: the drawing may start from them
    // Usable, every line as long as the first, and no character cut by pairing the bytes into cells.
    bool rectangular = false;
    int width = 0, height = 0; // the size of a rectangular block, not limited to 100

    static ClipboardLines read(const QString& text);

    // Writes the lines into the width x height area of a drawing's grid: by rows when
    // rectangular, else flowed.
    void fill(CharGrid& grid, int width, int height) const;
};
