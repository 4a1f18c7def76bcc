// The printout of a drawing: one text line per grid row, a fixed gap between
// lines, a new page when the next line would not fit.
#pragma once

#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QList>

class PrintSink {
public:
    virtual ~PrintSink() = default;
    virtual void drawRow(int y, const QByteArray& text) = 0;
    virtual void newPage() = 0;
};

// Row texts of the area in use: each cell's bytes read as a 0-terminated string.
QList<QByteArray> printRowTexts(const CharGrid& grid, int width, int height);

// Lays the rows out on pages of pageHeight device pixels with lines lineHeight
// high and 10 pixels apart. A new page is taken only when another row follows.
void printRows(const QList<QByteArray>& rows, int lineHeight, int pageHeight, PrintSink& sink);

inline constexpr int kPrintLineGap = 10;
