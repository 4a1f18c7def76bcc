// Any clipboard text pasted into a drawing of any size, as a block or flowed,
// dragged about with the select tool and written in; and the same text as the
// start of a new drawing. The cells outside the area in use never change.
#include "FuzzCheck.h"

#include "CanvasDrawing.h"
#include "MemoryPlatform.h"

#include "core/commands/EditCommands.h"
#include "core/model/Selection.h"
#include "core/text/ClipboardLines.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // the canvas draws text with fonts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const int width = in.between(1, kGridMax), height = in.between(1, kGridMax);
    const uint8_t how = in.take();
    QList<QPoint> drags;
    for (int i = in.between(0, 3); i > 0; --i)
        drags << QPoint(in.between(0, width - 1), in.between(0, height - 1));
    const QString text = how & 1
                             ? QString(reinterpret_cast<const QChar*>(in.data), qsizetype(in.size / 2))
                             : QString::fromUtf8(reinterpret_cast<const char*>(in.data), qsizetype(in.size));

    MemoryPlatform platform;
    platform.clipboard = text;
    CanvasDrawing d(width, height);
    d.paints = (how & 0x70) == 0x70; // painting every cell is slow: most runs try the rules alone
    d.CurGrid.fillArea(kGridMax, kGridMax, CharCell::of('#', '#'));
    d.CurGrid.fillArea(width, height, CharCell::of('.', '.'));
    edit::paste(d, platform);
    if (how & 4) edit::paste(d, platform); // over the first block
    if (d.selection.PasteActive) {
        FUZZ_CHECK(!d.selection.PasteLines.isEmpty());
        FUZZ_CHECK(d.selection.SelRect.Left == 0 && d.selection.SelRect.Top == 0);
        FUZZ_CHECK(d.selection.SelRect.Right >= 1 && d.selection.SelRect.Right <= width);
        FUZZ_CHECK(d.selection.SelRect.Bottom >= 1 && d.selection.SelRect.Bottom <= height);
        // Dragging the block by a cell inside it, then writing it in.
        for (const QPoint to : drags) d.stroke(ToolId::Select, {QPoint(0, 0), to});
        edit::selectNone(d);
        FUZZ_CHECK(!d.selection.PasteActive);
    }
    for (int c = 0; c < kGridMax; ++c)
        for (int r = 0; r < kGridMax; ++r) {
            const CharCell cell = d.CurGrid.at(c, r);
            if (c >= width || r >= height) FUZZ_CHECK(cell == CharCell::of('#', '#'));
            FUZZ_CHECK(cell.b2 == 0);
        }

    // New from the clipboard: a block of three lines or more is proposed at its own size (which
    // OK refuses when it is 0 or beyond 100), and fills whatever size is chosen.
    const ClipboardLines lines = ClipboardLines::read(text);
    if (lines.rectangular) FUZZ_CHECK(lines.width >= 0 && lines.height >= 3);
    if (lines.usable) {
        ChildDocument doc;
        doc.GridWidth = std::clamp(lines.width, 1, kGridMax);
        doc.GridHeight = std::clamp(lines.height, 1, kGridMax);
        lines.fill(doc.CurGrid, doc.GridWidth, doc.GridHeight);
    }
    return 0;
}
