// The text tool: a press opens the text banner for the pressed cell.
#pragma once

#include "Gesture.h"

class TextBannerGesture final : public Gesture {
public:
    // No undo snapshot here: the banner records its own when it places its block.
    void press(ToolContext& ctx, const ToolRow& tool, const Pointer& p) override;
};
