// Pencil, eraser and spray: they act on the cells under the pointer as it goes,
// and what they leave there is accumulated into the drawing at once.
#pragma once

#include "Gesture.h"

#include <QtGlobal>

#include <functional>

class FreehandGesture final : public Gesture {
public:
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void move(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
    void release(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;

    // One tick of the spray's timer: ten points around the spray centre, each
    // from two numbers of `next` (radius, then angle).
    static void sprayTick(ToolContext& ctx, const std::function<quint32()>& next);
};
