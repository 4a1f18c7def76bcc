// What a drawing window needs from the frame that holds it.
#pragma once

class Platform;
class TChildForm;

class ChildHost {
public:
    virtual ~ChildHost() = default;
    virtual Platform& platform() = 0;
    // Runs the Save command on this drawing; true when the drawing was written.
    virtual bool saveDrawing(TChildForm& child) = 0;
};
