// Clipboard text.
#include "ClipboardText.h"

#include "GbkText.h"
#include "TextLines.h"

QString clipboardTextOf(QList<QByteArray> lines, bool pair) {
    QByteArray bytes;
    for (QByteArray& line : lines) {
        // A zero byte ends the line, as it ends a cell's text.
        if (const qsizetype zero = line.indexOf('\0'); zero >= 0) line.truncate(zero);
        if (pair) pairSpaces(line);
        bytes += line;
        bytes += "\r\n";
    }
    return gbkToUnicode(bytes);
}

QList<QByteArray> clipboardLines(const QString& text) {
    return splitLines(unicodeToGbk(text));
}
