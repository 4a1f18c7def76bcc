// The polygons: a vertex per click, a rubber band from the last vertex to the
// pointer, closed on the first vertex, by a double-click or at the twentieth vertex.
#pragma once

#include "Gesture.h"

#include <array>

class PointByPointGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void hover(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void doubleClick(ToolContext& ctx, const ToolRow& tool) override;
    bool inProgress(const ToolContext& ctx) const override;
    void cancel(ToolContext& ctx) override;
    void reset() override { m_count = 0; }

    // The vertices clicked so far.
    int count() const { return m_count; }
    QPoint vertex(int i) const { return m_points[size_t(i)]; }

private:
    void close(ToolContext& ctx, const ToolRow& tool);

    std::array<QPoint, 20> m_points{};
    int m_count = 0;
};
