// Undo: at one step (the classic way) the drawing as it was before the last undoable operation,
// that operation's name, and whether Undo or Repeat is what can be done with it. At more steps,
// a history of that many operations that Undo walks back and Repeat forward again.
#pragma once

#include "CharGrid.h"

#include <QString>

#include <vector>

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

    // How many steps every drawing keeps from its next operation on: 1 is the classic single step.
    static int depth();
    static void setDepth(int steps);

    // What the Edit menu offers: the step Undo would act on and the one Repeat would.
    bool canUndo() const;
    bool canRepeat() const;
    QString undoName() const;
    QString repeatName() const;
    // The memory the remembered drawings take.
    qsizetype memoryBytes() const;

private:
    // A step of the history: its name, and the drawing on the other side of it (before it while
    // it is done, after it once undone).
    struct Entry {
        QString name;
        std::vector<CharCell> cells;
    };
    void swap(Entry& e, CharGrid& cur, int width, int height);
    void followHistory();

    std::vector<Entry> m_history; // in use while it holds steps; the classic fields mirror it
    size_t m_done = 0;            // the steps before this one are done, the rest undone
};
