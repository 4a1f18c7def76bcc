// Document state of a drawing window.
#include "ChildDocument.h"

#include <algorithm>

ChildDocument::ChildDocument() {
    setBrush(QStringLiteral("画"), QByteArrayLiteral("\xBB\xAD"));
}

void ChildDocument::setBrush(const QString& text, QByteArray bytes) {
    BrushText = text;
    // Every cell a tool writes is a pair of text bytes: a short brush is filled with spaces.
    while (bytes.size() < 2) bytes += ' ';
    // The tools use two bytes; anything longer than the buffer is cut, keeping the final 0.
    const qsizetype n = std::min<qsizetype>(bytes.size(), qsizetype(BrushBytes.size()) - 1);
    std::copy_n(bytes.constData(), n, BrushBytes.begin());
    BrushBytes[n] = 0;
}

void ChildDocument::resetForShow() {
    selection = Selection();
    undo.forget();
    ChangeCount = 0;
    SavedCount = 0;
}

void ChildDocument::resetTo(int width, int height) {
    resetForShow();
    GridWidth = std::clamp(width, 1, kGridMax);
    GridHeight = std::clamp(height, 1, kGridMax);
    CurGrid.fill(CharCell::blank());
    ShownGrid.fill(CharCell::blank());
    undo.UndoGrid.fill(CharCell::zero());
    PartialFile = false;
    LostCharacters = 0;
}

void ChildDocument::takeUndoSnapshot(const QString& name) {
    undo.take(name, CurGrid, GridWidth, GridHeight);
    ++ChangeCount;
}
