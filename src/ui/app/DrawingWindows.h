// The drawing windows in the frame's client area: made, placed inside the frame by a
// cascade, tiled, arranged, minimised, listed in the Window menu, found by their file, and
// scrolled by the mouse wheel over the frame.
#pragma once

#include "core/tools/ToolTable.h"

#include <QList>
#include <QObject>

#include <optional>

class ChildHost;
class QMdiArea;
class QMenu;
class QAction;
class QWheelEvent;
class TChildForm;

class DrawingWindows final : public QObject {
    Q_OBJECT
public:
    DrawingWindows(ChildHost& host, QMdiArea* area, QObject* parent = nullptr);

    QMdiArea* area() const { return m_area; }
    // The active drawing window, or nullptr.
    TChildForm* active() const;
    QList<TChildForm*> all() const;
    bool any() const;

    // A new drawing window of width x height cells, its brush and tool given, shown and made
    // active: maximised while the active one is, else placed on the cascade inside the frame.
    TChildForm* create(const QString& brush, ToolId tool, int width, int height);
    // The window holding the file at `path` (by any name of it), brought to the front; nullptr
    // when none does.
    TChildForm* showFileOf(const QString& path);
    void setToolOfAll(ToolId tool);

    void cascade();
    void tile(Qt::Orientation orientation);
    void arrangeIcons();
    void minimizeAll();
    // The open drawings below the Window menu's commands, the active one checked.
    void listIn(QMenu* menu);

    // The wheel over the frame: the active drawing scrolls by whole notches, sideways with Shift,
    // and zooms a step a notch with Ctrl, around the pointer.
    bool wheel(QWheelEvent* event);
    // The active drawing a zoom step larger (direction > 0), smaller (< 0), or at 100 % (0).
    void zoomActive(int direction, std::optional<QPoint> pivot = std::nullopt);
    bool canZoom(int direction) const;
    // One notch down (towards the user) or up.
    void scrollActive(bool down);

Q_SIGNALS:
    // A drawing window came, went or became active.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(TChildForm* child);

    ChildHost& m_host;
    QMdiArea* m_area;
    int m_cascade = 0; // the next new drawing's step down the cascade
    int m_wheelRemainder = 0;
    int m_zoomRemainder = 0;
    int m_sidewaysRemainder = 0;
    QList<QAction*> m_listed; // the Window menu's list of drawings
};
