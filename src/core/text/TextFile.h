// Drawings as plain text files: reading a file into cells (rectangular or
// flowed) and writing cells as file bytes.
#pragma once

#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// What the layout needs of a text: the first 100 lines (each cut to what a
// 100 x 100 drawing can use), and the length of every line.
struct TextScan {
    QList<QByteArray> lines; // at most kMaxLines, each at most kKeepBytes
    qint64 lineCount = 0;
    qint64 firstLength = 0;
    qint64 maxLength = 0;
    bool rectangular = true;  // every line as long as the first
    bool endedAtZero = false; // a zero byte ended the text; whatever followed it was not read
    QString error;            // set when reading failed

    static constexpr int kMaxLines = kGridMax;
    // A flowed line fills at most 100 rows of 100 cells of 2 bytes; one more byte decides the last cell.
    static constexpr qsizetype kKeepBytes = 2 * kGridMax * kGridMax + 2;
};

// Reads a whole device as a stream, keeping memory bounded whatever its size.
TextScan scanText(QIODevice& device);
TextScan scanTextFile(const QString& path);
TextScan scanTextBytes(QByteArrayView bytes);

struct OpenedText {
    int width = 0, height = 0;
    CharGrid grid{CharCell::blank()};
    QString error;       // why the text cannot become a drawing
    QStringList leftOut; // what of the text the drawing could not hold, one line each
};

// Lays a text out as a drawing: rectangular when all lines are equally long,
// else flowed; at most 100 x 100 cells.
OpenedText layoutText(const TextScan& scan);

// The bytes of a file for the width x height area of a grid: one line per row,
// two bytes per cell (a 0 byte written as a space), space pairs as ideographic
// spaces, CR LF after every line.
QByteArray drawingFileBytes(const CharGrid& grid, int width, int height);

// Writes bytes to a temporary file beside path and renames it into place, so a
// failed write leaves the old file as it was. Returns an error text, or "".
QString writeFileAtomically(const QString& path, const QByteArray& bytes);
