// Which encoding a text file is in: GBK, the drawing file's own, or UTF-8, as most
// text on today's systems is. Cells always hold GBK; UTF-8 is converted on the way
// in and out.
#pragma once

#include <QByteArrayView>
#include <QString>

enum class TextEncoding { Gbk, Utf8, Utf8WithBom };

inline bool isUtf8(TextEncoding e) {
    return e != TextEncoding::Gbk;
}

// "GBK" or "UTF-8", as the window and the status bar show it.
QString encodingName(TextEncoding e);

// The encoding of a file from its first bytes: UTF-8 when they start with a UTF-8
// byte-order mark, or are valid UTF-8 holding at least one multi-byte character;
// GBK otherwise. When `whole` is false the bytes are only the start of the file, and a
// character cut off at their end does not count against UTF-8.
TextEncoding detectEncoding(QByteArrayView head, bool whole);

// How many bytes at the end of `bytes` are the start of a UTF-8 sequence still
// waiting for the rest of its bytes (0 to 3).
qsizetype incompleteUtf8Tail(QByteArrayView bytes);
