// Text file reading, layout and writing.
#include "TextFile.h"

#include "Encodings.h"
#include "GbkText.h"
#include "TextLines.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Counts the characters at `lostAt` in `text`, whose first character stands on line
// `line`, and keeps the first few with their lines.
void noteLost(TextScan& scan, QStringView text, const QList<qsizetype>& lostAt, qint64 line, bool afterCR) {
    qsizetype pos = 0;
    for (const qsizetype at : lostAt) {
        for (; pos < at; ++pos) {
            const QChar c = text[pos];
            if (c == QLatin1Char('\n') && !afterCR) ++line;
            if (c == QLatin1Char('\r')) ++line;
            afterCR = c == QLatin1Char('\r');
        }
        if (line > TextScan::kMaxLines) return;
        ++scan.lostCount;
        if (scan.lost.size() < TextScan::kLostShown) {
            const bool pair = text[at].isHighSurrogate() && at + 1 < text.size();
            scan.lost.append({line, text.mid(at, pair ? 2 : 1).toString()});
        }
    }
}

} // namespace

TextScan scanText(QIODevice& device, std::optional<TextEncoding> encoding) {
    TextScan scan;
    LineSplitter splitter(
        [&](QByteArray&& head, qint64 length) {
            if (scan.lineCount == 0)
                scan.firstLength = length;
            else if (length != scan.firstLength)
                scan.rectangular = false;
            scan.maxLength = std::max(scan.maxLength, length);
            if (scan.lines.size() < TextScan::kMaxLines) scan.lines.append(std::move(head));
            ++scan.lineCount;
        },
        TextScan::kKeepBytes);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    // Each piece decoded on its own; the file's byte-order mark is taken off below, and any later
    // U+FEFF is a character of the text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    // Until the first byte beyond ASCII the two encodings read the same: the choice waits for it.
    std::optional<TextEncoding> chosen = encoding;
    QByteArray carry;         // the start of a UTF-8 character that the piece's end cut off
    bool endedWithCR = false; // the bytes fed last ended in CR: an LF next ends no line
    auto feed = [&](QByteArrayView bytes) {
        const bool afterCR = endedWithCR;
        if (!bytes.isEmpty()) endedWithCR = bytes.back() == '\r';
        if (!chosen || !isUtf8(*chosen)) return splitter.feed(bytes);
        // UTF-8 becomes GBK before the line rules see it.
        const QString text = utf8.decode(bytes);
        // What did not fit is told at open, for the lines a drawing can hold.
        const qint64 firstLine = scan.lineCount + 1;
        QList<qsizetype> lostAt;
        const QByteArray gbk =
            unicodeToGbkColumns(text, nullptr, firstLine <= TextScan::kMaxLines ? &lostAt : nullptr);
        if (!lostAt.isEmpty()) noteLost(scan, text, lostAt, firstLine, afterCR);
        return splitter.feed(gbk);
    };
    for (bool first = true;; first = false) {
        const qint64 n = device.read(chunk.data(), chunk.size());
        if (n < 0) {
            scan.error = FileError{FileError::Kind::System, 0, device.errorString()};
            return scan;
        }
        QByteArrayView piece(chunk.constData(), n);
        if (first && piece.startsWith("\xEF\xBB\xBF") && (!chosen || isUtf8(*chosen))) {
            chosen = TextEncoding::Utf8WithBom;
            piece = piece.sliced(3);
        }
        if (n == 0) break;
        const auto beyondAscii = [](QByteArrayView b) {
            return std::any_of(b.cbegin(), b.cend(), [](char c) { return uchar(c) >= 0x80; });
        };
        if (carry.isEmpty() && ((chosen && !isUtf8(*chosen)) || (!chosen && !beyondAscii(piece)))) {
            // GBK, or ASCII so far: the bytes go to the line rules as they are.
            if (!feed(piece)) {
                scan.endedAtZero = true;
                break;
            }
            continue;
        }
        QByteArray bytes = carry + piece.toByteArray();
        carry.clear();
        if (!chosen || isUtf8(*chosen)) {
            const qsizetype cut = incompleteUtf8Tail(bytes);
            carry = bytes.right(cut);
            bytes.chop(cut);
        }
        if (!chosen && beyondAscii(bytes)) chosen = detectEncoding(bytes, true);
        if (!feed(bytes)) {
            scan.endedAtZero = true;
            break;
        }
    }
    // What the end of the file cut off: a UTF-8 character shown as '?', or bytes that were never UTF-8.
    if (!scan.endedAtZero && !carry.isEmpty()) {
        if (!chosen) chosen = detectEncoding(carry, true);
        if (!feed(carry)) scan.endedAtZero = true;
    }
    scan.encoding = chosen.value_or(TextEncoding::Gbk);
    splitter.finish();
    return scan;
}

namespace {

enum class Kind { Missing, Regular, CharacterDevice, Other };

Kind kindOf(const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return Kind::Missing;
    if (S_ISREG(st.st_mode)) return Kind::Regular;
    if (S_ISCHR(st.st_mode)) return Kind::CharacterDevice;
    return Kind::Other;
}

// Whoever can write a shared folder can leave a link at the name a file is about to be written
// under; only a link of the user's own is written through.
bool isSomeoneElsesLink(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode) &&
           st.st_uid != ::geteuid();
}

} // namespace

TextScan scanTextFile(const QString& path, std::optional<TextEncoding> encoding) {
    // A pipe or a terminal would wait for input that may never come; a folder holds no text.
    if (const Kind k = kindOf(path); k != Kind::Regular && k != Kind::Missing) {
        TextScan scan;
        scan.error = FileError{FileError::Kind::NotAFile, 0, {}};
        return scan;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        TextScan scan;
        scan.error = FileError{FileError::Kind::System, errno, file.errorString()};
        return scan;
    }
    return scanText(file, encoding);
}

TextScan scanTextBytes(QByteArrayView bytes, std::optional<TextEncoding> encoding) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return scanText(buffer, encoding);
}

QByteArray inEncoding(const QByteArray& gbk, TextEncoding encoding, bool* clean) {
    if (clean) *clean = true;
    const EncodingRow& row = encodingRow(encoding);
    if (!row.unicode) return gbk;
    bool ok = true;
    QString text = gbkToUnicode(gbk, &ok);
    if (clean) *clean = ok;
    // GBK holds no U+FFFD of its own: each one stands for a byte that was no character.
    if (!ok) text.replace(QChar(0xFFFD), QLatin1Char('?'));
    QStringEncoder encoder(*row.unicode);
    return row.byteOrderMark + QByteArray(encoder.encode(text));
}

OpenedText layoutText(const TextScan& scan) {
    OpenedText out;
    out.encoding = scan.encoding;
    out.lostCount = scan.lostCount;
    out.lost = scan.lost;
    if (scan.lineCount == 0) {
        out.failure = OpenFailure::Empty;
        return out;
    }
    const QList<QByteArray> lines = unpairedLines(scan.lines);
    // Stored GBK drawings keep their rectangle as it is, split characters and all.
    const bool rectangular = scan.rectangular && !(isUtf8(scan.encoding) && pairingSplitsCharacter(lines));
    if (rectangular) {
        out.height = scan.lineCount > 99 ? kGridMax : int(scan.lineCount);
        out.width = scan.firstLength / 2 > 99 ? kGridMax : int(scan.firstLength / 2);
    } else {
        out.width = scan.maxLength / 2 > 99 ? kGridMax : int(scan.maxLength / 2);
    }
    if (out.width < 1) {
        out.failure = OpenFailure::NoCells;
        return out;
    }
    if (rectangular) {
        if (scan.lineCount > kGridMax)
            out.leftOut << LeftOut{LeftOut::Kind::LinesAfter, kGridMax, scan.lineCount - kGridMax};
        if (scan.firstLength > 2 * kGridMax)
            out.leftOut << LeftOut{LeftOut::Kind::BytesAfter, 2 * kGridMax};
        else if (scan.firstLength % 2 == 1)
            out.leftOut << LeftOut{LeftOut::Kind::OddByte};
    } else {
        bool complete = true;
        out.height = flowText(lines, out.width, kGridMax, nullptr, &complete);
        if (!complete || scan.lineCount > lines.size())
            out.leftOut << LeftOut{LeftOut::Kind::RowsFull, kGridMax};
    }
    if (scan.endedAtZero) out.leftOut << LeftOut{LeftOut::Kind::AfterZeroByte};
    layOutLines(lines, rectangular, out.width, out.height,
                [&](int col, int row, CharCell cell) { out.grid.at(col, row) = cell; });
    return out;
}

QByteArray drawingFileBytes(const CharGrid& grid, int width, int height) {
    QByteArray out;
    out.reserve(qsizetype(height) * (2 * width + 2));
    QByteArray line;
    for (int r = 0; r < height; ++r) {
        line.resize(2 * width);
        for (int c = 0; c < width; ++c) {
            const CharCell& cell = grid.at(c, r);
            // A zero byte would end the line for every reader; it is written as a space.
            line[2 * c] = cell.b0 ? char(cell.b0) : ' ';
            line[2 * c + 1] = cell.b1 ? char(cell.b1) : ' ';
        }
        pairSpaces(line);
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    // Qt gives the system's words only; the number is taken as soon as a step fails, for the
    // edges that say it in a language of their own.
    auto failed = [](const QFileDevice& file) {
        return FileError{FileError::Kind::System, errno, file.errorString()};
    };
    errno = 0;
    if (isSomeoneElsesLink(path)) return FileError{FileError::Kind::SomeoneElsesLink, 0, {}};
    switch (kindOf(path)) {
    case Kind::CharacterDevice: {
        // A device such as /dev/null cannot be replaced by a new file: it is written as it is.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(device);
        if (device.write(bytes) != bytes.size()) return failed(device);
        return std::nullopt;
    }
    case Kind::Other:
        // A pipe would wait for a reader, a disk is not a drawing.
        return FileError{FileError::Kind::NotAFile, 0, {}};
    default:
        break;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failed(file);
    if (file.write(bytes) != bytes.size()) {
        const FileError error = failed(file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return failed(file);
    return std::nullopt;
}
