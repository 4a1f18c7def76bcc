// Text file encodings.
#include "TextEncoding.h"

namespace {

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot start one.
int sequenceLength(uchar b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0; // a continuation byte, an overlong lead (C0, C1) or beyond U+10FFFF
}

// Whether the second byte may follow the lead: the first continuation byte carries the
// limits that rule out overlong forms, surrogates and code points beyond U+10FFFF.
bool secondByteFits(uchar lead, uchar second) {
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return second >= 0x80 && second <= 0xBF;
    }
}

bool isContinuation(uchar b) {
    return b >= 0x80 && b <= 0xBF;
}

} // namespace

qsizetype incompleteUtf8Tail(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= n; ++back) {
        const uchar b = uchar(bytes[n - back]);
        if (isContinuation(b)) continue;
        const int need = sequenceLength(b);
        return need > back ? back : 0;
    }
    return 0;
}

TextEncoding detectEncoding(QByteArrayView head, bool whole) {
    if (head.startsWith("\xEF\xBB\xBF")) return TextEncoding::Utf8WithBom;
    const qsizetype n = whole ? head.size() : head.size() - incompleteUtf8Tail(head);
    bool multiByte = false;
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(head[i]);
        const int length = sequenceLength(b);
        if (length == 0 || i + length > n) return TextEncoding::Gbk;
        if (length > 1) {
            if (!secondByteFits(b, uchar(head[i + 1]))) return TextEncoding::Gbk;
            for (int k = 2; k < length; ++k)
                if (!isContinuation(uchar(head[i + k]))) return TextEncoding::Gbk;
            multiByte = true;
        }
        i += length;
    }
    return multiByte ? TextEncoding::Utf8 : TextEncoding::Gbk;
}
