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

// Characters GBK cannot hold that the encoder takes all the same: half a surrogate pair, which
// it would hold back at the end waiting for its other half and drop, and U+F8F5, which it
// writes as the lone byte 0xFF that no GBK reader takes for a character. They become '?'
// here first.
bool replaceUnwritable(QStringView text, QString& out) {
    bool found = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate() || c.unicode() == 0xF8F5) {
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
    const bool lone = replaceUnwritable(text, replaced);
    QByteArray out = e.encode(lone ? QStringView(replaced) : text);
    if (ok) *ok = !e.hasError() && !lone;
    return out;
}

int columnsOf(char32_t c) {
    // The wide and full-width blocks of Unicode's East Asian Width, in order.
    static constexpr struct {
        char32_t first, last;
    } kWide[] = {
        {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},   {0x23F0, 0x23F0},
        {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},   {0x2648, 0x2653},   {0x267F, 0x267F},
        {0x2693, 0x2693},   {0x26A1, 0x26A1},   {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},
        {0x26CE, 0x26CE},   {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
        {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},   {0x2728, 0x2728},
        {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},   {0x2757, 0x2757},   {0x2795, 0x2797},
        {0x27B0, 0x27B0},   {0x27BF, 0x27BF},   {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},
        {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
        {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},
        {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4}, {0x17000, 0x18AFF}, {0x1B000, 0x1B2FF},
        {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F251},
        {0x1F300, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F7E0, 0x1F7EB}, {0x1F90C, 0x1F9FF}, {0x1FA70, 0x1FAFF},
        {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    };
    for (const auto& range : kWide) {
        if (c < range.first) return 1;
        if (c <= range.last) return 2;
    }
    return 1;
}

QByteArray unicodeToGbkColumns(QStringView text, bool* ok, QList<qsizetype>* lost) {
    bool clean = false;
    QByteArray out = unicodeToGbk(text, &clean);
    if (ok) *ok = clean;
    if (clean) return out;
    // Character by character, to know how wide each one that did not fit is.
    out.clear();
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView ch = text.mid(i, pair ? 2 : 1);
        bool fits = false;
        const QByteArray bytes = unicodeToGbk(ch, &fits);
        if (fits) {
            out += bytes;
        } else {
            out += QByteArray(columnsOf(pair ? QChar::surrogateToUcs4(ch[0], ch[1]) : ch[0].unicode()), '?');
            if (lost) lost->append(i);
        }
        i += ch.size();
    }
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
