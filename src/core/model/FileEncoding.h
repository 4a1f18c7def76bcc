// The encoding a drawing's file is read and written in: GBK, the drawing file's own, or
// UTF-8, as most text on today's systems is. Cells always hold GBK; UTF-8 is converted on
// the way in and out.
#pragma once

#include <QString>

enum class TextEncoding { Gbk, Utf8, Utf8WithBom };

inline bool isUtf8(TextEncoding e) {
    return e != TextEncoding::Gbk;
}

// "GBK" or "UTF-8", as the window and the status bar show it.
inline QString encodingName(TextEncoding e) {
    return isUtf8(e) ? QStringLiteral("UTF-8") : QStringLiteral("GBK");
}
