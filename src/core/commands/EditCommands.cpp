// Edit commands.
#include "EditCommands.h"

#include "PlaceBlock.h"
#include "core/model/Drawing.h"
#include "core/platform/Platform.h"
#include "core/text/ClipboardText.h"
#include "core/text/TextLines.h"

#include <algorithm>
#include <memory>

namespace edit {

namespace {

// The selection clamped to the area in use; empty when there is nothing to act on.
struct Span {
    int left, top, right, bottom;
    bool empty() const { return left >= right || top >= bottom; }
};

Span clamped(const Drawing& d) {
    const CellRect& r = d.selection.SelRect;
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, d.GridWidth),
            std::min(r.Bottom, d.GridHeight)};
}

QList<QByteArray> takeRows(Drawing& d, const Span& s, bool blank) {
    return cellLines(d.CurGrid, s.left, s.top, s.right, s.bottom, blank);
}

// Cut and Delete: the snapshot, then the block goes or the selected cells become blank.
void takeOut(Drawing& d, const QString& undoName, Platform* clipboard) {
    d.takeUndoSnapshot(undoName);
    if (d.selection.PasteActive) {
        if (clipboard) clipboard->setClipboardText(clipboardTextOf(d.selection.PasteLines, false));
        d.selection.drop();
    } else {
        const Span s = clamped(d);
        if (s.empty()) return; // the snapshot stays, the selection too
        const QList<QByteArray> lines = takeRows(d, s, true);
        if (clipboard) clipboard->setClipboardText(clipboardTextOf(lines, false));
    }
    d.selection.clear();
    d.ReDrawAll();
}

void blockPaste(Drawing& d, QList<QByteArray> lines) {
    const qsizetype n = lines.first().size();
    const CellRect at{0, 0, int(std::min<qsizetype>(n / 2, d.GridWidth)),
                      int(std::min<qsizetype>(lines.size(), d.GridHeight))};
    for (int i = 0; i < at.Bottom; ++i) unpairSpaces(lines[i]);
    // Kept whole: columns and rows beyond the grid reappear when dragged in.
    d.selection.place(at, std::move(lines));
    d.selection.show(d);
}

void flowPaste(Drawing& d, const QList<QByteArray>& lines) {
    qsizetype longest = 0;
    for (const QByteArray& l : lines) longest = std::max(longest, l.size());
    // A line of one byte still takes a cell, padded with a space.
    const int width = int(std::clamp<qsizetype>(longest / 2, 1, d.GridWidth));
    const QList<QByteArray> unpaired = unpairedLines(lines);
    const int height = flowText(unpaired, width, d.GridHeight, nullptr);
    auto cells = std::make_unique<CharGrid>(CharCell::blank());
    flowText(unpaired, width, height, [&](int col, int row, CharCell cell) { cells->at(col, row) = cell; });
    d.selection.place({0, 0, width, height}, cellLines(*cells, 0, 0, width, height, false));
    d.selection.show(d);
}

} // namespace

bool hasSelection(const Drawing& d) {
    return !d.selection.SelRect.isZero();
}

void copy(Drawing& d, Platform& platform) {
    if (d.selection.PasteActive) {
        platform.setClipboardText(clipboardTextOf(d.selection.PasteLines, true));
        return;
    }
    const Span s = clamped(d);
    if (s.empty()) return; // the clipboard stays as it was
    platform.setClipboardText(clipboardTextOf(takeRows(d, s, false), true));
}

void cut(Drawing& d, Platform& platform) {
    takeOut(d, QStringLiteral("剪切"), &platform);
}

void remove(Drawing& d) {
    takeOut(d, QStringLiteral("删除"), nullptr);
}

PasteResult paste(Drawing& d, Platform& platform) {
    const QString text = platform.clipboardText();
    if (clipboardTooLarge(text)) return PasteResult::TooLarge;
    const QList<QByteArray> lines = clipboardLines(text);
    // Nothing but line ends holds nothing to paste.
    if (std::all_of(lines.begin(), lines.end(), [](const QByteArray& l) { return l.isEmpty(); }))
        return PasteResult::Nothing;
    beginBlockStep(d, QStringLiteral("粘贴"));
    d.selection.PasteTransparent = false;
    const qsizetype first = lines.first().size();
    const bool rectangular =
        std::all_of(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.size() == first; }) &&
        !pairingSplitsCharacter(unpairedLines(lines));
    // Equally long lines of a single byte would make a block of no width: they flow instead.
    if (rectangular && first >= 2)
        blockPaste(d, lines);
    else
        flowPaste(d, lines);
    return PasteResult::Pasted;
}

void selectAll(Drawing& d) {
    Selection& s = d.selection;
    if (!s.SelRect.isZero()) {
        if (s.PasteActive) s.commit(d.CurGrid, d.GridWidth, d.GridHeight);
        d.ReDrawAll();
    }
    s.SelRect = {0, 0, d.GridWidth, d.GridHeight};
    d.frameAll();
}

void selectNone(Drawing& d) {
    Selection& s = d.selection;
    if (s.PasteActive) s.commit(d.CurGrid, d.GridWidth, d.GridHeight);
    d.ReDrawAll();
    s.clear();
}

void clear(Drawing& d) {
    d.takeUndoSnapshot(QStringLiteral("清空"));
    d.CurGrid.fillArea(d.GridWidth, d.GridHeight, CharCell::blank());
    d.selection.clear();
    d.selection.drop();
    d.ReDrawAll();
}

} // namespace edit
