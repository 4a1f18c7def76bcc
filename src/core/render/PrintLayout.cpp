// Print layout.
#include "PrintLayout.h"

QList<QByteArray> printRowTexts(const CharGrid& grid, int width, int height) {
    QList<QByteArray> rows;
    for (int r = 0; r < height; ++r) {
        QByteArray text;
        for (int c = 0; c < width; ++c) text += grid.at(c, r).text();
        rows << text;
    }
    return rows;
}

void printRows(const QList<QByteArray>& rows, int lineHeight, int pageHeight, PrintSink& sink) {
    const int pitch = lineHeight + kPrintLineGap;
    int y = 0;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        sink.drawRow(y, rows[r]);
        y += pitch;
        // No break after the last row: a printout never ends with an empty page.
        if (pageHeight < y + pitch && r + 1 < rows.size()) {
            sink.newPage();
            y = 0;
        }
    }
}
