// Drawings as plain text files: reading a file into cells (rectangular or
// flowed) and writing cells as file bytes.
#pragma once

#include "FileError.h"
#include "TextEncoding.h"
#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// A character of a UTF-8 text that GBK cannot hold, shown as "?" in the cells.
struct LostCharacter {
    qint64 line = 0; // counted from 1
    QString character;
};

// What the layout needs of a text: the first 100 lines (each cut to what a
// 100 x 100 drawing can use), and the length of every line.
struct TextScan {
    QList<QByteArray> lines; // at most kMaxLines, each at most kKeepBytes
    qint64 lineCount = 0;
    qint64 firstLength = 0;
    qint64 maxLength = 0;
    bool rectangular = true;        // every line as long as the first
    bool endedAtZero = false;       // a zero byte ended the text; whatever followed it was not read
    std::optional<FileError> error; // set when reading failed
    TextEncoding encoding = TextEncoding::Gbk; // what the bytes were read as; the lines are GBK
    // Characters that became "?" in the lines a drawing can hold: how many, and the first few.
    qint64 lostCount = 0;
    QList<LostCharacter> lost;

    static constexpr int kMaxLines = kGridMax;
    // A flowed line fills at most 100 rows of 100 cells of 2 bytes; one more byte decides the last cell.
    static constexpr qsizetype kKeepBytes = 2 * kGridMax * kGridMax + 2;
    static constexpr int kLostShown = 5;
};

// Reads a whole device as a stream, keeping memory bounded whatever its size. Unless an
// encoding is given, it is found from the first piece of the file (a megabyte) that holds a
// byte beyond ASCII; UTF-8 is converted to GBK as it is read, so the lines, their lengths
// and the layout are those of the GBK text.
TextScan scanText(QIODevice& device, std::optional<TextEncoding> encoding = std::nullopt);
TextScan scanTextFile(const QString& path, std::optional<TextEncoding> encoding = std::nullopt);
TextScan scanTextBytes(QByteArrayView bytes, std::optional<TextEncoding> encoding = std::nullopt);

// Why a text cannot become a drawing.
enum class OpenFailure {
    None,
    Empty,   // no lines at all
    NoCells, // no line of two bytes or more, so no column
};

// A part of a text that a drawing could not hold.
struct LeftOut {
    enum class Kind {
        LinesAfter,    // `count` lines after line `at`
        BytesAfter,    // every line's bytes after byte `at`
        OddByte,       // the odd last byte of every line
        RowsFull,      // whatever flows on after row `at` is full
        AfterZeroByte, // a zero byte and everything after it
    };
    Kind kind;
    qint64 at = 0;
    qint64 count = 0;
    friend bool operator==(const LeftOut&, const LeftOut&) = default;
};

struct OpenedText {
    int width = 0, height = 0;
    CharGrid grid{CharCell::blank()};
    OpenFailure failure = OpenFailure::None;
    QList<LeftOut> leftOut; // what of the text the drawing could not hold
    TextEncoding encoding = TextEncoding::Gbk;
    qint64 lostCount = 0; // characters shown as "?" because GBK cannot hold them
    QList<LostCharacter> lost;
};

// Lays a text out as a drawing: rectangular when all lines are equally long,
// else flowed; at most 100 x 100 cells. A UTF-8 text whose rectangle would cut a
// character between two cells is flowed: it held whole characters only.
OpenedText layoutText(const TextScan& scan);

// The bytes of a file for the width x height area of a grid: one line per row,
// two bytes per cell (a 0 byte written as a space), space pairs as ideographic
// spaces, CR LF after every line.
QByteArray drawingFileBytes(const CharGrid& grid, int width, int height);

// A drawing file's GBK bytes in the given encoding. Bytes that are no GBK character (half a
// character left in a cell) become '?' in UTF-8; *clean, when given, tells whether there were none.
QByteArray inEncoding(const QByteArray& gbk, TextEncoding encoding, bool* clean = nullptr);

// Writes bytes to a temporary file beside path and renames it into place, so a
// failed write leaves the old file as it was. A link at path is written through only
// when it is the user's own. Returns why it failed, if it did.
std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes);
