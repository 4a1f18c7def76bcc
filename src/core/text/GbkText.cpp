// GBK <-> Unicode through Qt's converters. Qt's "GBK" codec reports bad input
// inconsistently (a trailing lead byte is silently held back, 0xFF maps into the
// private use area), so the bytes are walked here first and only well-formed
// runs are handed to the decoder.
#include "GbkText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isTrailByte(uchar b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// Opening a converter is costly next to converting a line: one of each is kept for the
// thread. Resetting one does not clear an error it once reported, so after an error it is
// opened anew; otherwise every later text would be reported bad too.
template <typename Converter> Converter& fresh(std::optional<Converter>& c) {
    if (!c || c->hasError())
        c.emplace("GBK", QStringConverter::Flag::Stateless);
    else
        c->resetState();
    return *c;
}

QStringDecoder& decoder() {
    thread_local std::optional<QStringDecoder> d;
    return fresh(d);
}

QStringEncoder& encoder() {
    thread_local std::optional<QStringEncoder> e;
    return fresh(e);
}

bool decodeRun(QStringDecoder& decoder, QByteArrayView run, QString& out) {
    if (run.isEmpty()) return true;
    out += decoder.decode(run);
    return !decoder.hasError();
}

} // namespace

QString gbkToUnicode(QByteArrayView bytes, bool* ok) {
    QStringDecoder& d = decoder();
    QString out;
    out.reserve(bytes.size());
    bool clean = true;
    qsizetype runStart = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80 || b == 0x80) { // ASCII, and 0x80 which code page 936 maps to the euro sign
            ++i;
            continue;
        }
        if (isGbkLeadByte(b) && i + 1 < n && isTrailByte(uchar(bytes[i + 1]))) {
            i += 2;
            continue;
        }
        clean &= decodeRun(d, bytes.sliced(runStart, i - runStart), out);
        out += QChar(kReplacement);
        clean = false;
        ++i;
        runStart = i;
    }
    clean &= decodeRun(d, bytes.sliced(runStart, n - runStart), out);
    if (ok) *ok = clean;
    return out;
}

namespace {

// Half a surrogate pair is a character GBK cannot hold. The encoder would hold one back at
// the end, waiting for its other half, and drop it: they become '?' here first.
bool replaceLoneSurrogates(QStringView text, QString& out) {
    bool found = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            if (!found) out = text.toString();
            out[i] = u'?';
            found = true;
        }
    }
    return found;
}

} // namespace

QByteArray unicodeToGbk(QStringView text, bool* ok) {
    QStringEncoder& e = encoder();
    QString replaced;
    const bool lone = replaceLoneSurrogates(text, replaced);
    QByteArray out = e.encode(lone ? QStringView(replaced) : text);
    if (ok) *ok = !e.hasError() && !lone;
    return out;
}

QString gbkPrefix(const QString& text, int maxBytes) {
    QString out;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character.
        const qsizetype n =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView ch = QStringView(text).mid(i, n);
        bytes += unicodeToGbk(ch).size();
        if (bytes > maxBytes) break;
        out += ch;
        i += n;
    }
    return out;
}
