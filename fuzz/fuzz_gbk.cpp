// GBK decoding and encoding, the prefix that never splits a character, and the
// space pairing scans, on any bytes and on any UTF-16 text.
#include "FuzzCheck.h"

#include "core/text/GbkText.h"
#include "core/text/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const int limit = in.between(0, 8);
    const QByteArrayView bytes(in.data, qsizetype(in.size));

    // Bytes: what decodes cleanly encodes to text that decodes the same.
    bool decoded = false;
    const QString text = gbkToUnicode(bytes, &decoded);
    bool encoded = false;
    const QByteArray back = unicodeToGbk(text, &encoded);
    if (decoded) FUZZ_CHECK(gbkToUnicode(back) == text);
    if (decoded) FUZZ_CHECK(encoded);

    // The same bytes as UTF-16 text, lone surrogates and all.
    const QString any = QString(reinterpret_cast<const QChar*>(in.data), qsizetype(in.size / 2));
    bool fits = false;
    const QByteArray gbk = unicodeToGbk(any, &fits);
    if (fits) FUZZ_CHECK(gbkToUnicode(gbk) == any);
    const QString prefix = gbkPrefix(any, limit);
    FUZZ_CHECK(any.startsWith(prefix));
    FUZZ_CHECK(unicodeToGbk(prefix).size() <= limit);

    // Pairing keeps the length, and reading undoes it: the paired line reads back as the line
    // itself does, with no space moved.
    QByteArray line = bytes.toByteArray();
    if (const qsizetype zero = line.indexOf('\0'); zero >= 0) line.truncate(zero);
    QByteArray paired = line;
    pairSpaces(paired);
    FUZZ_CHECK(paired.size() == line.size());
    unpairSpaces(paired);
    unpairSpaces(line);
    FUZZ_CHECK(paired == line);
    return 0;
}
