// GBK byte limit.
#include "GbkByteLimit.h"

#include "GbkText.h"

QValidator::State GbkByteLimit::validate(QString& input, int&) const {
    return unicodeToGbk(input).size() <= m_max ? Acceptable : Invalid;
}

QString gbkPrefix(const QString& text, int maxBytes) {
    QString out;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character.
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView ch = QStringView(text).mid(i, n);
        bytes += unicodeToGbk(ch).size();
        if (bytes > maxBytes) break;
        out += ch;
        i += n;
    }
    return out;
}
