// The curve: a line whose ends become the curve's ends, then two drags that pull
// it by its inner control points. Lives in the shown grid until the third release.
#pragma once

#include "Gesture.h"

class SeveralDragsGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void release(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    bool inProgress(const ToolContext& ctx) const override;
    void cancel(ToolContext& ctx) override;

private:
    bool m_pressed = false; // a left press began this drag; only its own release ends it
};
