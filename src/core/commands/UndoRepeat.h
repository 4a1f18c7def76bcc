// One level of undo and repeat: the current and undo grids change places.
#pragma once

#include "Command.h"

#include <QString>

#include <memory>

class ChildDocument;
class DrawingHost;

// Undo: a floating block is written into the drawing first, then the grids are
// exchanged. Counts as a change, so the undone state is never lost silently.
void undoLastOperation(ChildDocument& doc);
// Repeat: exchanges the grids back.
void repeatLastOperation(ChildDocument& doc);

struct UndoMenuState {
    QString undoCaption, repeatCaption;
    bool undoEnabled = false, repeatEnabled = false;
};
// Captions and enabling of the Edit menu's Undo and Repeat for a drawing, or for none.
UndoMenuState undoMenuState(const ChildDocument* doc);

// The Edit menu's Undo and Repeat on the active drawing, repainting it afterwards.
std::unique_ptr<Command> makeUndoCommand(DrawingHost& host);
std::unique_ptr<Command> makeRepeatCommand(DrawingHost& host);
