// Every menu and toolbar command of the frame in one table, keyed by CommandId: the menu
// item's name and caption, its shortcut, its menu and the separator above it, and its
// toolbar button. Menus and toolbar are built from it; a command is found by its id.
#pragma once

#include <QKeySequence>
#include <QString>

#include <span>

enum class CommandId {
    New,
    Open,
    ImportPicture,
    Save,
    SaveAs,
    ReopenInOtherEncoding,
    ExportPicture,
    PrinterSetup,
    Print,
    Exit,
    Undo,
    Repeat,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    SelectNone,
    Clear,
    ShowToolbar,
    ShowPalette,
    ShowStatusBar,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    Cascade,
    TileHorizontally,
    TileVertically,
    ArrangeIcons,
    MinimizeAll,
    About,
    Help,
    HomePage,
    Contact,
};
inline constexpr int kCommandCount = int(CommandId::Contact) + 1;

enum class MenuId { File, Edit, View, Window, Help };

struct MenuRow {
    MenuId id;
    const char* name; // the menu's objectName
    QString caption;
};

struct CommandRow {
    CommandId id;
    const char* name; // the menu item's objectName
    QString caption;
    QKeySequence shortcut;
    MenuId menu;
    const char* separatorBefore = nullptr; // the objectName of a separator above the item
    bool checkable = false;                // a view choice, on at start
    // The frame's standard window action the item stands for, which the command is bound to.
    const char* windowAction = nullptr;
    // The toolbar button: its place from the left (0: none), group, name, hint and picture.
    int toolbarPlace = 0;
    int toolbarGroup = 0;
    const char* button = nullptr;
    QString hint;
    const char* icon = nullptr;
};

// The menus in menu-bar order, and the commands in menu order.
std::span<const MenuRow> menuTable();
std::span<const CommandRow> commandTable();
const CommandRow& commandRow(CommandId id);
