// Article files.
#include "ArticleFile.h"

#include "GbkText.h"
#include "TextLines.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

ArticleFile ArticleFile::read(const QString& path) {
    ArticleFile out;
    // A pipe or a device would keep the dialog waiting for bytes that may never come.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        out.problem = Problem::NotAFile;
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.problem = Problem::CannotRead;
        out.reason = file.errorString();
        return out;
    }
    if (file.size() > kMaxBytes) {
        out.problem = Problem::TooLarge;
        return out;
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        out.problem = Problem::CannotRead;
        out.reason = file.errorString();
        return out;
    }
    if (bytes.size() > kMaxBytes) {
        out.problem = Problem::TooLarge;
        return out;
    }
    return fromBytes(bytes);
}

ArticleFile ArticleFile::fromBytes(QByteArrayView bytes) {
    ArticleFile out;
    out.encoding = detectEncoding(bytes, true);
    QStringList lines;
    if (isUtf8(out.encoding)) {
        // The decoder drops the byte-order mark; the line rules then work on the GBK the cells would hold.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(bytes);
        for (const QByteArray& line : splitLines(unicodeToGbk(text))) lines << gbkToUnicode(line);
    } else {
        for (const QByteArray& line : splitLines(bytes)) lines << gbkToUnicode(line);
    }
    out.text = lines.join(QLatin1Char('\n'));
    return out;
}
