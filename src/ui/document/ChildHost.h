// What a drawing window needs from the frame that holds it.
#pragma once

#include "core/tools/ToolTable.h"

#include <QCursor>
#include <QString>

class Platform;
class TChildForm;

class ChildHost {
public:
    virtual ~ChildHost() = default;
    virtual Platform& platform() = 0;
    // Runs the Save command on this drawing; true when the drawing was written.
    virtual bool saveDrawing(TChildForm& child) = 0;
    virtual QCursor cursorForSlot(int slot) const = 0;
    virtual void setStatusText(const QString& text) = 0;
    // The text banner for this drawing, its text starting at the cell.
    virtual void openTextBanner(TChildForm& child, QPoint cell) = 0;
    // The palette's brush button caption.
    virtual void setBrushCaption(const QString& text) = 0;
    // The drawing is shown at another zoom.
    virtual void zoomChanged(TChildForm& child) = 0;
};
