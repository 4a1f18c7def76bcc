// The polygons: a vertex per click, a rubber band from the last vertex to the
// pointer, closed on the first vertex, by a double-click or at the twentieth vertex.
#pragma once

#include "Gesture.h"

class PointByPointGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void hover(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void doubleClick(ToolContext& ctx, const ToolRow& tool) override;
    bool inProgress(const ToolContext& ctx) const override;
    void cancel(ToolContext& ctx) override;

private:
    static void close(ToolContext& ctx, const ToolRow& tool);
};
