// One level of undo: the drawing as it was before the last undoable operation, that
// operation's name, and whether Undo or Repeat is what can be done with it.
#pragma once

#include "CharGrid.h"

#include <QString>

class UndoStep {
public:
    enum class State { Nothing, CanUndo, CanRepeat };

    State UndoState = State::Nothing;
    QString UndoName;
    CharGrid UndoGrid{CharCell::zero()};

    // Remembers the width x height area of `cur` before the operation `name` changes it.
    void take(const QString& name, const CharGrid& cur, int width, int height);
    // Undo or Repeat: `cur` and the remembered drawing change places, through `scratch`.
    void undo(CharGrid& cur, CharGrid& scratch, int width, int height);
    void repeat(CharGrid& cur, CharGrid& scratch, int width, int height);
    // Nothing to undo: a fresh drawing's state.
    void forget();
};
