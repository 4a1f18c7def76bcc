// Any bytes opened as a drawing file: the scan, both layouts, and the file
// written back, which must open again as the same drawing.
#include "FuzzCheck.h"

#include "core/text/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TextScan scan = scanTextBytes(QByteArrayView(data, qsizetype(size)));
    FUZZ_CHECK(scan.error.isEmpty());
    FUZZ_CHECK(scan.lines.size() <= TextScan::kMaxLines);
    FUZZ_CHECK(scan.lines.size() <= scan.lineCount);
    for (const QByteArray& line : scan.lines) FUZZ_CHECK(line.size() <= TextScan::kKeepBytes);
    const OpenedText opened = layoutText(scan);
    if (!opened.error.isEmpty()) return 0;
    FUZZ_CHECK(opened.width >= 1 && opened.width <= kGridMax);
    FUZZ_CHECK(opened.height >= 1 && opened.height <= kGridMax);

    // What the editor saves is rectangular: it reopens at the same size, and saving
    // that gives the same bytes.
    const QByteArray saved = drawingFileBytes(opened.grid, opened.width, opened.height);
    FUZZ_CHECK(saved.size() == qsizetype(opened.height) * (2 * opened.width + 2));
    const OpenedText again = layoutText(scanTextBytes(saved));
    FUZZ_CHECK(again.error.isEmpty());
    FUZZ_CHECK(again.width == opened.width && again.height == opened.height);
    FUZZ_CHECK(again.leftOut.isEmpty());
    FUZZ_CHECK(drawingFileBytes(again.grid, again.width, again.height) == saved);
    return 0;
}
