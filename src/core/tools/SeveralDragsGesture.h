// The curve: a line whose ends become the curve's ends, then two drags that pull
// it by its inner control points. Lives in the shown grid until the third release.
#pragma once

#include "Gesture.h"

#include <array>

class SeveralDragsGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void release(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    bool inProgress(const ToolContext& ctx) const override;
    void cancel(ToolContext& ctx) override;
    void reset() override;

    // 0 when no curve is being drawn, else the drag it is in (1 to 3).
    int stage() const { return m_stage; }
    // Control point i (0 to 3): the start, the two pulled by the drags, the end.
    QPoint point(int i) const { return m_points[size_t(i)]; }

private:
    int m_stage = 0;
    std::array<QPoint, 5> m_points{};
    bool m_pressed = false; // a left press began this drag; only its own release ends it
};
