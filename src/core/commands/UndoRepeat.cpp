// Undo and repeat.
#include "UndoRepeat.h"

#include "FunctionCommand.h"
#include "core/model/Drawing.h"

void undoLastOperation(ChildDocument& doc) {
    ++doc.ChangeCount;
    if (doc.selection.PasteActive) {
        doc.selection.commit(doc.CurGrid, doc.GridWidth, doc.GridHeight);
        doc.selection.clear();
    }
    doc.undo.undo(doc.CurGrid, doc.TempGrid, doc.GridWidth, doc.GridHeight);
}

void repeatLastOperation(ChildDocument& doc) {
    ++doc.ChangeCount;
    doc.undo.repeat(doc.CurGrid, doc.TempGrid, doc.GridWidth, doc.GridHeight);
}

UndoMenuState undoMenuState(const ChildDocument* doc) {
    UndoMenuState s;
    s.undoCaption = QStringLiteral("撤消(&U)");
    s.repeatCaption = QStringLiteral("重复(&R)");
    if (!doc) return s;
    const UndoStep& undo = doc->undo;
    if (undo.canUndo()) {
        s.undoCaption = QStringLiteral("撤消") + undo.undoName() + QStringLiteral("(&U)");
        s.undoEnabled = true;
    }
    if (undo.canRepeat()) {
        s.repeatCaption = QStringLiteral("重复") + undo.repeatName() + QStringLiteral("(&R)");
        s.repeatEnabled = true;
    }
    return s;
}

std::unique_ptr<Command> makeUndoCommand(DrawingHost& host) {
    return std::make_unique<DrawingCommand>(
        host,
        [](Drawing& d) {
            undoLastOperation(d);
            d.ReDrawAll();
        },
        [](const Drawing& d) { return undoMenuState(&d).undoEnabled; },
        [](const Drawing* d) { return undoMenuState(d).undoCaption; });
}

std::unique_ptr<Command> makeRepeatCommand(DrawingHost& host) {
    return std::make_unique<DrawingCommand>(
        host,
        [](Drawing& d) {
            repeatLastOperation(d);
            d.ReDrawAll();
        },
        [](const Drawing& d) { return undoMenuState(&d).repeatEnabled; },
        [](const Drawing* d) { return undoMenuState(d).repeatCaption; });
}
