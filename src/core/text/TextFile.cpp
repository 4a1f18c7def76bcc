// Text file reading, layout and writing.
#include "TextFile.h"

#include "TextLines.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

TextScan scanText(QIODevice& device) {
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
    for (;;) {
        const qint64 n = device.read(chunk.data(), chunk.size());
        if (n < 0) {
            scan.error = device.errorString();
            return scan;
        }
        if (n == 0) break;
        if (!splitter.feed(QByteArrayView(chunk.constData(), n))) {
            scan.endedAtZero = true;
            break;
        }
    }
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

const QString kNotAFile = QStringLiteral("这不是一个普通文件");

} // namespace

TextScan scanTextFile(const QString& path) {
    // A pipe or a terminal would wait for input that may never come; a folder holds no text.
    if (const Kind k = kindOf(path); k != Kind::Regular && k != Kind::Missing) {
        TextScan scan;
        scan.error = kNotAFile;
        return scan;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TextScan scan;
        scan.error = file.errorString();
        return scan;
    }
    return scanText(file);
}

TextScan scanTextBytes(QByteArrayView bytes) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return scanText(buffer);
}

OpenedText layoutText(const TextScan& scan) {
    OpenedText out;
    if (scan.lineCount == 0) {
        out.error = QStringLiteral("文件为空，无法打开");
        return out;
    }
    const QList<QByteArray> lines = unpairedLines(scan.lines);
    if (scan.rectangular) {
        out.height = scan.lineCount > 99 ? kGridMax : int(scan.lineCount);
        out.width = scan.firstLength / 2 > 99 ? kGridMax : int(scan.firstLength / 2);
    } else {
        out.width = scan.maxLength / 2 > 99 ? kGridMax : int(scan.maxLength / 2);
    }
    if (out.width < 1) {
        out.error = QStringLiteral("文件中没有可以放入字符格的内容（每行不足两个字节），无法打开");
        return out;
    }
    if (scan.rectangular) {
        if (scan.lineCount > kGridMax)
            out.leftOut
                << QStringLiteral("第 %1 行以后的 %2 行").arg(kGridMax).arg(scan.lineCount - kGridMax);
        if (scan.firstLength > 2 * kGridMax)
            out.leftOut << QStringLiteral("每行第 %1 个字节以后的内容").arg(2 * kGridMax);
        else if (scan.firstLength % 2 == 1)
            out.leftOut << QStringLiteral("每行末尾单出的一个字节");
    } else {
        bool complete = true;
        out.height = flowText(lines, out.width, kGridMax, nullptr, &complete);
        if (!complete || scan.lineCount > lines.size())
            out.leftOut << QStringLiteral("排满 %1 行以后的内容").arg(kGridMax);
    }
    if (scan.endedAtZero) out.leftOut << QStringLiteral("文件中零字节及其后的全部内容");
    layOutLines(lines, scan.rectangular, out.width, out.height,
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

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    switch (kindOf(path)) {
    case Kind::CharacterDevice: {
        // A device such as /dev/null cannot be replaced by a new file: it is written as it is.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return device.errorString();
        if (device.write(bytes) != bytes.size()) return device.errorString();
        return {};
    }
    case Kind::Other:
        return kNotAFile; // a pipe would wait for a reader, a disk is not a drawing
    default:
        break;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString();
    return {};
}
