// Any bytes opened as a drawing file, as found from the bytes or as GBK or UTF-8 on
// request: the scan, both layouts, and the file written back in the encoding it was
// read in, which must open again as the same drawing.
#include "FuzzCheck.h"

#include "core/text/TextFile.h"
#include "core/text/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    std::optional<TextEncoding> asked;
    switch (in.take() % 3) {
    case 1:
        asked = TextEncoding::Gbk;
        break;
    case 2:
        asked = TextEncoding::Utf8;
        break;
    default:
        break;
    }
    const TextScan scan = scanTextBytes(QByteArrayView(in.data, qsizetype(in.size)), asked);
    FUZZ_CHECK(!scan.error);
    FUZZ_CHECK(scan.lines.size() <= TextScan::kMaxLines);
    FUZZ_CHECK(scan.lines.size() <= scan.lineCount);
    if (asked) FUZZ_CHECK(isUtf8(scan.encoding) == isUtf8(*asked));
    for (const QByteArray& line : scan.lines) FUZZ_CHECK(line.size() <= TextScan::kKeepBytes);
    const OpenedText opened = layoutText(scan);
    if (opened.failure != OpenFailure::None) return 0;
    FUZZ_CHECK(opened.width >= 1 && opened.width <= kGridMax);
    FUZZ_CHECK(opened.height >= 1 && opened.height <= kGridMax);
    FUZZ_CHECK(opened.encoding == scan.encoding);

    // What the editor saves is rectangular: read as the GBK it is, it reopens at the same size,
    // and saving that gives the same bytes.
    const QByteArray saved = drawingFileBytes(opened.grid, opened.width, opened.height);
    FUZZ_CHECK(saved.size() == qsizetype(opened.height) * (2 * opened.width + 2));
    const OpenedText again = layoutText(scanTextBytes(saved, TextEncoding::Gbk));
    FUZZ_CHECK(again.failure == OpenFailure::None);
    FUZZ_CHECK(again.width == opened.width && again.height == opened.height);
    FUZZ_CHECK(again.leftOut.isEmpty());
    FUZZ_CHECK(drawingFileBytes(again.grid, again.width, again.height) == saved);

    // Saved in UTF-8 without a cell that is half a character, and without a character standing
    // across two cells (the editor asks before saving either), it opens as the same cells.
    bool clean = false;
    const QByteArray utf8 = inEncoding(saved, TextEncoding::Utf8, &clean);
    if (clean && !pairingSplitsCharacter(unpairedLines(splitLines(saved)))) {
        const OpenedText back = layoutText(scanTextBytes(utf8, TextEncoding::Utf8));
        FUZZ_CHECK(back.failure == OpenFailure::None);
        FUZZ_CHECK(back.width == opened.width && back.height == opened.height);
        FUZZ_CHECK(drawingFileBytes(back.grid, back.width, back.height) == saved);
    }
    return 0;
}
