// The undo step.
#include "UndoStep.h"

namespace {

void exchange(CharGrid& a, CharGrid& b, CharGrid& scratch, int width, int height) {
    scratch.copyArea(a, width, height);
    a.copyArea(b, width, height);
    b.copyArea(scratch, width, height);
}

} // namespace

void UndoStep::take(const QString& name, const CharGrid& cur, int width, int height) {
    UndoState = State::CanUndo;
    UndoName = name;
    UndoGrid.copyArea(cur, width, height);
}

void UndoStep::undo(CharGrid& cur, CharGrid& scratch, int width, int height) {
    exchange(cur, UndoGrid, scratch, width, height);
    UndoState = State::CanRepeat;
}

void UndoStep::repeat(CharGrid& cur, CharGrid& scratch, int width, int height) {
    exchange(cur, UndoGrid, scratch, width, height);
    UndoState = State::CanUndo;
}

void UndoStep::forget() {
    UndoState = State::Nothing;
}
