// The modify-text tool: an edit box over the pressed cell, so that the user
// types into cells and moves between them with the arrow keys.
#pragma once

#include "Gesture.h"
#include "core/model/CharGrid.h"

#include <QByteArrayView>

class ModifyTextGesture final : public Gesture {
public:
    // Takes the undo snapshot that covers everything typed until the box closes.
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
};

// The in-place edit box: the cell it edits and the bytes that cell held when the box came
// over it. The box cannot show every pair of bytes as it stands (half a character, say), so a
// cell passed through without typing keeps its own bytes.
struct EditBox {
    QPoint cell;
    CharCell original;
    bool reselectPending = false; // an arrow key moved it: the key's release selects its text again

    // The cell's bytes once the box is written back: its own when nothing was typed, else
    // the typed GBK bytes; empty is two spaces, one byte is padded with a space.
    CharCell written(QByteArrayView typed, bool edited) const;
};

enum class EditMove { Left, Right, Up, Down };

// The cell the edit box moves to from `cell` in a width x height drawing: Left and
// Right run on into the row above or below, Up and Down stop at the edges. At
// the first cell (Left), the last cell (Right) or an edge (Up, Down) it stays.
QPoint editCellAfter(QPoint cell, EditMove move, int width, int height);
