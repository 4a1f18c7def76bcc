// Clipboard text.
#include "ClipboardText.h"

#include "GbkText.h"
#include "TextLines.h"
#include "core/model/CharGrid.h"

#include <algorithm>

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
    QList<QByteArray> lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    auto endLine = [&](qsizetype end) {
        lines << unicodeToGbk(QStringView(text).sliced(start, end - start));
    };
    qsizetype i = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == QChar(0)) break; // a zero ends the text, as it ends a file
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        endLine(i);
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < i) endLine(i); // a line end at the very end adds no empty line
    return lines;
}
