// The pointer as tools receive it: the cell it acts on, the buttons and the
// keyboard modifiers. Tools never see a toolkit's mouse event.
#pragma once

#include <QPoint>
#include <Qt>

struct Pointer {
    QPoint cell;
    // Buttons down (press, move) or the button released (release).
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;

    bool left() const { return buttons & Qt::LeftButton; }
    bool right() const { return buttons & Qt::RightButton; }
    bool ctrl() const { return modifiers & Qt::ControlModifier; }
    bool alt() const { return modifiers & Qt::AltModifier; }
    bool shift() const { return modifiers & Qt::ShiftModifier; }
};
