// The frame's menus and toolbar, built from the command table with each item and
// button bound to its command.
#pragma once

#include <functional>

class CommandBinder;
class DrawingWindows;
class FrameCommands;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;

struct FrameMenus {
    // The menus in the bar. `afterOpen` makes the submenu that follows Open (the recent files);
    // `closed` runs whenever a menu closes.
    static void build(QMenuBar& bar, CommandBinder& binder, FrameCommands& commands, DrawingWindows& windows,
                      const std::function<QMenu*(QMenu* fileMenu)>& afterOpen,
                      const std::function<void()>& closed, QMenu* afterRepeat = nullptr);
    // The toolbar's buttons in their places and groups.
    static void buildToolBar(QToolBar& toolBar, CommandBinder& binder);
};
