// Real mouse events on a drawing window's canvas, aimed at cell centres: the pixel each
// event carries is the one that acts on the cell once the chosen tool's cursor shows.
#pragma once

#include "core/tools/ToolTable.h"

#include <QEvent>
#include <QPoint>
#include <QPointer>

#include <initializer_list>

class TChildForm;
class TMainForm;
class QWidget;

class CanvasMouse {
public:
    CanvasMouse() = default;
    // On this drawing's canvas, with the tool `frame` starts with (the select tool) in hand.
    CanvasMouse(TMainForm& frame, TChildForm& drawing);

    // Clicks the tool's palette button; later events aim with its cursor's hot spot.
    // False when the frame did not take the tool.
    [[nodiscard]] bool choose(ToolId tool);
    ToolId tool() const { return m_tool; }
    // The canvas pixel that acts on the centre of the cell with the chosen tool.
    QPoint pixel(QPoint cell) const;
    // The drawing is shown at this zoom (1 for 100 %): cells are that much larger.
    void setZoom(double zoom) { m_zoom = zoom; }

    // One event at a pixel, for what no cell centre expresses (far outside, between cells).
    void send(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers mods = Qt::NoModifier) const;
    void hover(QPoint cell) const; // a move without buttons
    void press(QPoint cell, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = Qt::NoModifier) const;
    void drag(QPoint cell, Qt::KeyboardModifiers mods = Qt::NoModifier) const; // a move, left button down
    void release(QPoint cell, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers mods = Qt::NoModifier) const;
    // Press and release where the pointer already is; with a move there first.
    void click(QPoint cell) const;
    void moveAndClick(QPoint cell) const;
    // Two clicks as the window system reports them: press, release, double-click, release.
    void doubleClick(QPoint cell) const;
    // Hover over the first cell, press (with `atPress` held), drag through the others and
    // release on the last (with `afterwards` held).
    void stroke(std::initializer_list<QPoint> cells, Qt::KeyboardModifiers atPress = Qt::NoModifier,
                Qt::KeyboardModifiers afterwards = Qt::NoModifier) const;

private:
    QPointer<TMainForm> m_frame;
    QPointer<QWidget> m_canvas;
    ToolId m_tool = ToolId::Select;
    double m_zoom = 1.0;
};
