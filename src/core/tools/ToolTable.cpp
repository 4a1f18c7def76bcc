// The tool table.
#include "ToolTable.h"

#include <array>

namespace {

const QString kDragHelp = QStringLiteral("作图区按下鼠标左键，拖动到另外一处松开鼠标左键");
const QString kPolygonHelp = QStringLiteral("作图区单击鼠标左键作出多边形的一个顶点，依次在其它位置单击左键就"
                                            "作出其它顶点。再次单击第一个顶点或双击左键结束");

// clang-format off
// id, palette button, column, row, hint, caption, picture,
// status-bar help,
// cursor, undo name, gesture, shape, filled[, freehand: ink, trail, sprays]
const std::array<ToolRow, kToolCount>& rows() {
    static const std::array<ToolRow, kToolCount> table{{
        {ToolId::Select, "SpeedButton13", 1, 1, QStringLiteral("选中工具"), {}, ":/icons/tool-select.svg",
         QStringLiteral("作图区按下鼠标左键，拖动到另外一处松开鼠标左键，这样就选定了此区域。选定后可拖动或编辑"),
         ArrowCursor, {}, GestureKind::Select, Shape::None, false},
        {ToolId::ModifyText, "SpeedButton26", 2, 1, QStringLiteral("修改文字工具"), QStringLiteral("A|"), nullptr,
         QStringLiteral("在作图区需要修改文字的地方单击鼠标左键，这样在此位置会出现一个编辑框用于修改"),
         ChangeTextCursor, QStringLiteral("修改文字"), GestureKind::ModifyText, Shape::None, false},
        {ToolId::Pencil, "SpeedButton14", 1, 2, QStringLiteral("铅笔"), {}, ":/icons/tool-pencil.svg",
         QStringLiteral("按住鼠标左键，拖动鼠标就可以实现铅笔作图"),
         PenCursor, QStringLiteral("铅笔"), GestureKind::Freehand, Shape::None, false, Ink::Brush, true},
        {ToolId::Line, "SpeedButton15", 2, 2, QStringLiteral("直线工具"), {}, ":/icons/tool-line.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("直线"), GestureKind::TwoPoints, Shape::Line, false},
        {ToolId::Rectangle, "SpeedButton18", 1, 3, QStringLiteral("画框工具"), {}, ":/icons/tool-rect.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("矩形"), GestureKind::TwoPoints, Shape::Rectangle, false},
        {ToolId::FilledRectangle, "SpeedButton19", 2, 3, QStringLiteral("画实心框工具"), {}, ":/icons/tool-rect-filled.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("实心矩形"), GestureKind::TwoPoints, Shape::Rectangle, true},
        {ToolId::Ellipse, "SpeedButton20", 1, 4, QStringLiteral("画椭圆工具"), {}, ":/icons/tool-ellipse.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("椭圆"), GestureKind::TwoPoints, Shape::Ellipse, false},
        {ToolId::FilledEllipse, "SpeedButton21", 2, 4, QStringLiteral("画实心椭圆工具"), {}, ":/icons/tool-ellipse-filled.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("实心椭圆"), GestureKind::TwoPoints, Shape::Ellipse, true},
        {ToolId::RoundRect, "SpeedButton22", 1, 5, QStringLiteral("画圆角矩形工具"), {}, ":/icons/tool-roundrect.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("圆角矩形"), GestureKind::TwoPoints, Shape::RoundRect, false},
        {ToolId::FilledRoundRect, "SpeedButton23", 2, 5, QStringLiteral("画实心圆角椭圆工具"), {}, ":/icons/tool-roundrect-filled.svg",
         kDragHelp,
         PlusCursor, QStringLiteral("实心圆角矩形"), GestureKind::TwoPoints, Shape::RoundRect, true},
        {ToolId::Polygon, "SpeedButton24", 1, 6, QStringLiteral("画多边形工具"), {}, ":/icons/tool-polygon.svg",
         kPolygonHelp,
         PlusCursor, QStringLiteral("多边形"), GestureKind::PointByPoint, Shape::Polygon, false},
        {ToolId::FilledPolygon, "SpeedButton27", 2, 6, QStringLiteral("画实心多边形工具"), {}, ":/icons/tool-polygon-filled.svg",
         kPolygonHelp,
         PlusCursor, QStringLiteral("实心多边形"), GestureKind::PointByPoint, Shape::Polygon, true},
        {ToolId::Eraser, "SpeedButton28", 1, 7, QStringLiteral("橡皮擦"), {}, ":/icons/tool-eraser.svg",
         QStringLiteral("作图区按住鼠标左键，拖动鼠标就可以实现擦除"),
         EraseCursor, QStringLiteral("橡皮擦"), GestureKind::Freehand, Shape::None, false, Ink::Blank},
        {ToolId::Spray, "SpeedButton25", 2, 7, QStringLiteral("喷枪"), {}, ":/icons/tool-spray.svg",
         QStringLiteral("在作图区按住鼠标左键，拖动鼠标就可以实现喷枪作图"),
         SprayCursor, QStringLiteral("喷枪"), GestureKind::Freehand, Shape::None, false, Ink::Brush, false, true},
        {ToolId::Text, "SpeedButton16", 1, 8, QStringLiteral("文字"), {}, ":/icons/tool-text.svg",
         QStringLiteral("作图区单击鼠标左键"),
         TextCursor, {}, GestureKind::TextBanner, Shape::None, false},
        {ToolId::Eyedropper, "SpeedButton30", 2, 8, QStringLiteral("取色"), {}, ":/icons/tool-eyedropper.svg",
         QStringLiteral("在作图区单击鼠标左键，画笔文字会被设置成当前位置的文本内容"),
         EyedropCursor, {}, GestureKind::OnePoint, Shape::None, false},
        {ToolId::Curve, "SpeedButton31", 1, 9, QStringLiteral("曲线"), {}, ":/icons/tool-curve.svg",
         QStringLiteral("先作一条直线，单击一个弧所在的位置拖动调整曲线形状。第二个弧线操作相同"),
         PlusCursor, QStringLiteral("曲线"), GestureKind::SeveralDrags, Shape::Bezier, false},
    }};
    return table;
}
// clang-format on

} // namespace

std::span<const ToolRow> toolTable() {
    return rows();
}

const ToolRow& toolRow(ToolId id) {
    for (const ToolRow& row : rows())
        if (row.id == id) return row;
    return rows().front();
}

std::span<const CursorResource> cursorResources() {
    static const std::array<CursorResource, 7> list{{
        {PlusCursor, "PLUS"},
        {EyedropCursor, "EYEDROP"},
        {PenCursor, "PEN"},
        {SprayCursor, "SPRAY"},
        {EraseCursor, "ERASE"},
        {ChangeTextCursor, "CHANGET"},
        {TextCursor, "TEXT"},
    }};
    return list;
}

QPoint hotSpotOffset(CursorSlot slot) {
    switch (slot) {
    case PenCursor:
    case SprayCursor:
        return {10, 16};
    case ChangeTextCursor:
        return {0, 10};
    case EyedropCursor:
        return {0, 16};
    default:
        return {0, 0};
    }
}
