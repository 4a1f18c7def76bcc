// Rules for text that becomes cells: splitting bytes into lines, the space pair
// <-> ideographic space scans, and the two ways lines are laid out into cells.
#pragma once

#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>

// Splits a byte stream into lines at CR LF, a lone CR or a lone LF; a line end at
// the very end adds no empty line; a zero byte ends the text. Fed in chunks, so
// huge files never have to be held whole: each line is reported with its full
// length but only its first `keepBytes` bytes.
class LineSplitter {
public:
    using LineHandler = std::function<void(QByteArray&& head, qint64 length)>;

    explicit LineSplitter(LineHandler onLine, qsizetype keepBytes = -1)
        : m_onLine(std::move(onLine)), m_keep(keepBytes) {}

    // Returns false once a zero byte has ended the text; later chunks are ignored.
    bool feed(QByteArrayView chunk);
    void finish();

private:
    void endLine();

    LineHandler m_onLine;
    qsizetype m_keep;
    QByteArray m_head;
    qint64 m_length = 0;
    bool m_pendingCR = false;
    bool m_open = false; // bytes seen since the last line end
    bool m_ended = false;
};

QList<QByteArray> splitLines(QByteArrayView text);

// Writing: every pair of adjacent spaces becomes the ideographic space 0xA1 0xA1,
// from the start; a lead byte and the byte after it are passed over as one
// character, as reading walks them. The scan stops at a zero byte.
void pairSpaces(QByteArray& line);
// Reading: every ideographic space that is itself a character becomes two spaces.
// The scan walks characters, so the bytes 0xA1 0xA1 formed by the end of one
// character and the start of the next are left alone.
void unpairSpaces(QByteArray& line);

// True when pairing some line's bytes into cells, two at a time from its start, would
// cut a double-byte character in two. Text that came as Unicode (the clipboard, a UTF-8
// file) holds whole characters only and never means such a split.
bool pairingSplitsCharacter(const QList<QByteArray>& lines);

// The cell the flowed layout takes from `line` at byte position `pos`; advances
// pos by 1 or 2. A double-byte character is never split; a single-byte character
// before a double-byte one, or at the end of the line, gets a cell of its own
// padded with a space.
CharCell nextFlowCell(QByteArrayView line, qsizetype& pos);

using CellSink = std::function<void(int col, int row, CharCell cell)>;

// Flowed layout: each line starts a new row; its cells run on to the next row
// after `width` cells; the walk ends at row `rowLimit`. Returns the rows used:
// one more than the last row on which a line started or a cell was placed, at
// most rowLimit. *complete, when given, tells whether every cell found a place.
int flowText(const QList<QByteArray>& lines, int width, int rowLimit, const CellSink& put,
             bool* complete = nullptr);

// Rectangular layout: row r from line r, cell c from bytes 2c and 2c + 1, for
// r < height and c < width as far as the lines reach.
void rectText(const QList<QByteArray>& lines, int width, int height, const CellSink& put);

// The lines with the unpairing scan applied to each.
QList<QByteArray> unpairedLines(QList<QByteArray> lines);

// Lays lines (already unpaired) into width x height cells, rectangular or flowed.
void layOutLines(const QList<QByteArray>& lines, bool rectangular, int width, int height,
                 const CellSink& put);
