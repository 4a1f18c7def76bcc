// Cells as clipboard text and back. The clipboard holds Unicode; the cells hold
// GBK bytes. Going out, each row becomes a line ended by CR LF; coming in, any
// line end ends a line, and a character GBK cannot hold becomes "?" in its place.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Lines of cell bytes as clipboard text: each line cut at a zero byte, pairs of
// spaces turned into ideographic spaces when `pairSpaces` is set, CR LF after
// every line.
QString clipboardTextOf(QList<QByteArray> lines, bool pairSpaces);

// The clipboard's text as lines of GBK bytes, split by the line rules. Only what a
// drawing can show is kept, however much the clipboard holds: the first 100 lines,
// each cut after the bytes that fill 100 rows of 100 cells. *lineCount, when given,
// receives the number of lines of the whole text.
QList<QByteArray> clipboardLines(const QString& text, qint64* lineCount = nullptr);
