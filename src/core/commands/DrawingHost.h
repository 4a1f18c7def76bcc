// What the commands need from the frame: the active drawing, a new drawing of
// a given size, and the platform.
#pragma once

class Drawing;
class Platform;
class QString;

class DrawingHost {
public:
    virtual ~DrawingHost() = default;
    // The drawing the commands act on, or nullptr when none is open.
    virtual Drawing* activeDrawing() const = 0;
    // Opens a new, empty drawing window of width x height cells (1 to 100 each) and makes it active.
    virtual Drawing& createDrawing(int width, int height) = 0;
    virtual Platform& platform() = 0;
    // The open drawing of the file at `path` (an absolute path), brought to the front; nullptr when
    // no drawing holds that file. Two windows on one file would lose one's edits at the other's save.
    virtual Drawing* showDrawingOf(const QString& path) {
        (void)path;
        return nullptr;
    }
    // A file was opened or saved: the recent files list takes it.
    virtual void fileOpened(const QString& path) { (void)path; }
};
