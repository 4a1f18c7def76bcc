// An article read from a text file, for filling ink cells with its characters: GBK or
// UTF-8, told apart from the bytes as opening a drawing tells them apart.
#pragma once

#include "TextEncoding.h"

#include <QString>

struct ArticleFile {
    enum class Problem { None, CannotRead, NotAFile, TooLarge };

    // An article is prose: a few megabytes at most.
    static constexpr qint64 kMaxBytes = 4 << 20;

    Problem problem = Problem::None;
    QString reason; // the system's words for CannotRead
    TextEncoding encoding = TextEncoding::Gbk;
    QString text; // its lines joined by '\n', a line end after the last line dropped

    static ArticleFile read(const QString& path);
    // The text of a whole file's bytes.
    static ArticleFile fromBytes(QByteArrayView bytes);
};
