// One row per drawing tool: its palette button, cursor, hot-spot offset and
// undo name. Everything that differs between tools only by data lives here.
#pragma once

#include <QPoint>
#include <QString>

#include <span>

enum class ToolId : int {
    Select = 0,
    Pencil = 1,
    Line = 2,
    Text = 3,
    Rectangle = 4,
    FilledRectangle = 5,
    Ellipse = 6,
    FilledEllipse = 7,
    RoundRect = 8,
    FilledRoundRect = 9,
    Polygon = 10,
    FilledPolygon = 11,
    ModifyText = 12,
    Spray = 13,
    Eraser = 14,
    Eyedropper = 15,
    Curve = 16,
};
inline constexpr int kToolCount = 17;

// Slots of the cursor table filled at start-up; 0 is the system arrow.
enum CursorSlot : int {
    ArrowCursor = 0,
    PlusCursor = 1,
    EyedropCursor = 2,
    PenCursor = 3,
    SprayCursor = 4,
    EraseCursor = 5,
    ChangeTextCursor = 6,
    TextCursor = 7,
};

// How a tool gathers its points from the pointer; each has its gesture class.
enum class GestureKind {
    Select,       // rubber band and block dragging
    Freehand,     // acts on the cells under the pointer as it goes (accumulates)
    TwoPoints,    // press and drag: a shape from the pressed cell to the pointer (previews)
    SeveralDrags, // the curve: a line, then two drags bending it
    PointByPoint, // the polygon: a vertex per click
    OnePoint,     // acts once on the pressed cell
    ModifyText,   // an edit box over the pressed cell
    TextBanner,   // the text banner dialog for the pressed cell
};

// What a freehand tool leaves in the cells it passes.
enum class Ink { Brush, Blank };

enum class Shape { None, Line, Rectangle, Ellipse, RoundRect, Polygon, Bezier };

struct ToolRow {
    ToolId id;
    const char* button; // palette button's object name
    int column, row;    // place in the palette, from 1
    QString hint;       // tooltip
    QString caption;    // shown instead of a picture when not empty
    const char* icon;   // picture resource, or nullptr
    QString helpText;   // status-bar text when chosen
    CursorSlot cursor;
    QString undoName;
    GestureKind gesture;
    Shape shape;
    bool filled;
    // Freehand tools only:
    Ink ink = Ink::Brush;
    bool trail = false;  // the stroke stays connected: cells skipped by a fast drag are filled
    bool sprays = false; // scatters ink around the pointer on the timer instead of painting under it
};

// The rows in palette order.
std::span<const ToolRow> toolTable();
const ToolRow& toolRow(ToolId id);

struct CursorResource {
    CursorSlot slot;
    const char* name;
};
// The cursors' pictures, by slot.
std::span<const CursorResource> cursorResources();

// Added to the pointer position before it is mapped to a cell. Every cursor has its
// hot spot at its top-left pixel; the offset moves the point of action to the tip
// drawn in the cursor's picture. It belongs to the cursor shown, not to the tool.
QPoint hotSpotOffset(CursorSlot slot);
