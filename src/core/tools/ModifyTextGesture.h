// The modify-text tool: an edit box over the pressed cell, so that the user
// types into cells and moves between them with the arrow keys.
#pragma once

#include "Gesture.h"

class ModifyTextGesture final : public Gesture {
public:
    // Takes the undo snapshot that covers everything typed until the box closes.
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
};

enum class EditMove { Left, Right, Up, Down };

// The cell the edit box moves to from `cell` in a width x height drawing: Left and
// Right run on into the row above or below, Up and Down stop at the edges. At
// the first cell (Left), the last cell (Right) or an edge (Up, Down) it stays.
QPoint editCellAfter(QPoint cell, EditMove move, int width, int height);
