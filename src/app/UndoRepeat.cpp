// Undo and repeat.
#include "UndoRepeat.h"

#include "document/ChildDocument.h"
#include "editing/FloatingBlock.h"

void undoLastOperation(ChildDocument& doc) {
    ++doc.ChangeCount;
    if (doc.PasteActive == 1) {
        commitFloatingBlock(doc);
        doc.SelRect = {};
    }
    doc.swapUndo();
    doc.UndoState = 2;
}

void repeatLastOperation(ChildDocument& doc) {
    ++doc.ChangeCount;
    doc.swapUndo();
    doc.UndoState = 1;
}

UndoMenuState undoMenuState(const ChildDocument* doc) {
    UndoMenuState s;
    s.undoCaption = QStringLiteral("撤消(&U)");
    s.repeatCaption = QStringLiteral("重复(&R)");
    if (!doc) return s;
    if (doc->UndoState == 1) {
        s.undoCaption = QStringLiteral("撤消") + doc->UndoName + QStringLiteral("(&U)");
        s.undoEnabled = true;
    } else if (doc->UndoState == 2) {
        s.repeatCaption = QStringLiteral("重复") + doc->UndoName + QStringLiteral("(&R)");
        s.repeatEnabled = true;
    }
    return s;
}
