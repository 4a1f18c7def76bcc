// The select tool: a rubber band marks a block of cells; a press inside the
// selection lifts it into the floating block, which follows the pointer and is
// shown where it is dropped. Ctrl at the lift leaves a copy behind; Alt makes the
// block's blank cells see-through, while dragging and, at the release, for good.
#pragma once

#include "Gesture.h"

class SelectGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void release(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    bool keepsSelectionAt(const ToolContext& ctx, QPoint cell) const override;
    void reset() override { m_banding = false; }

    // The rubber band is out on the canvas.
    bool banding() const { return m_banding; }

private:
    bool m_banding = false;
};
