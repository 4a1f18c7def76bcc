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

// The most clipboard text taken in, in UTF-16 units: at most twice as many GBK bytes, some
// tens of megabytes once split. Every line is kept whole, so that what is pasted is decided
// on the whole text and a block copied again gives back what was pasted.
inline constexpr qsizetype kClipboardMaxChars = 16000000;

inline bool clipboardTooLarge(const QString& text) {
    return text.size() > kClipboardMaxChars;
}

// The clipboard's text as lines of GBK bytes, split by the line rules, all of them whole.
QList<QByteArray> clipboardLines(const QString& text);
