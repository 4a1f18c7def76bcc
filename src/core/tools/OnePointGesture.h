// The eyedropper: acts once, on the pressed cell.
#pragma once

#include "Gesture.h"

class OnePointGesture final : public Gesture {
public:
    // The pressed cell's text becomes the drawing's brush text.
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
};
