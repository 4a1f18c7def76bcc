// The select tool: marks a block of cells, and a press inside the selection keeps it.
#pragma once

#include "Gesture.h"

class SelectGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    bool keepsSelectionAt(const ToolContext& ctx, QPoint cell) const override;
};
