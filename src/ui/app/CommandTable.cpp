// The frame's commands.
#include "CommandTable.h"

#include <array>

namespace {

using K = QKeySequence;
constexpr auto kCtrl = Qt::CTRL;

const std::array<MenuRow, 5> kMenus{{
    {MenuId::File, "N1", QStringLiteral("文件(&F)")},
    {MenuId::Edit, "E1", QStringLiteral("编辑(&E)")},
    {MenuId::View, "N2", QStringLiteral("视图(&V)")},
    {MenuId::Window, "N8", QStringLiteral("窗口(&W)")},
    {MenuId::Help, "H1", QStringLiteral("帮助(&H)")},
}};

CommandRow item(CommandId id, const char* name, const QString& caption, MenuId menu, K shortcut = {},
                const char* separatorBefore = nullptr) {
    CommandRow r{id, name, caption, shortcut, menu};
    r.separatorBefore = separatorBefore;
    return r;
}

CommandRow onToolbar(CommandRow r, int place, int group, const char* button, const QString& hint,
                     const char* icon) {
    r.toolbarPlace = place;
    r.toolbarGroup = group;
    r.button = button;
    r.hint = hint;
    r.icon = icon;
    return r;
}

CommandRow view(CommandId id, const char* name, const QString& caption) {
    CommandRow r = item(id, name, caption, MenuId::View);
    r.checkable = true;
    return r;
}

CommandRow window(CommandId id, const char* name, const QString& caption, const char* action) {
    CommandRow r = item(id, name, caption, MenuId::Window);
    r.windowAction = action;
    return r;
}

const std::array<CommandRow, kCommandCount> kCommands{{
    onToolbar(item(CommandId::New, "N3", QStringLiteral("新建(&N)"), MenuId::File, K(kCtrl | Qt::Key_N)), 1,
              1, "SpeedButton12", QStringLiteral("新建"), ":/icons/new.svg"),
    onToolbar(item(CommandId::Open, "O1", QStringLiteral("打开(&O)"), MenuId::File, K(kCtrl | Qt::Key_O)), 2,
              1, "SpeedButton11", QStringLiteral("打开"), ":/icons/open.svg"),
    onToolbar(item(CommandId::ImportPicture, "N17", QStringLiteral("导入图片(&D)"), MenuId::File), 5, 3,
              "SpeedButton29", QStringLiteral("导入图片"), ":/icons/import-picture.svg"),
    onToolbar(
        item(CommandId::Save, "S1", QStringLiteral("保存(&S)"), MenuId::File, K(kCtrl | Qt::Key_S), "N6"), 3,
        1, "SpeedButton10", QStringLiteral("保存"), ":/icons/save.svg"),
    item(CommandId::SaveAs, "N4", QStringLiteral("另存为(&A)"), MenuId::File),
    item(CommandId::ReopenInOtherEncoding, "ReopenEncoding1", QStringLiteral("以 UTF-8 重新打开(&R)"),
         MenuId::File),
    item(CommandId::ExportPicture, "ExportPicture1", QStringLiteral("导出图片…"), MenuId::File),
    item(CommandId::PrinterSetup, "E2", QStringLiteral("打印设置(&E)"), MenuId::File, {}, "N5"),
    onToolbar(item(CommandId::Print, "P2", QStringLiteral("打印(&P)"), MenuId::File, K(kCtrl | Qt::Key_P)), 4,
              2, "SpeedButton6", QStringLiteral("打印"), ":/icons/print.svg"),
    item(CommandId::Exit, "Q1", QStringLiteral("退出(&X)"), MenuId::File, {}, "N15"),

    item(CommandId::Undo, "U1", QStringLiteral("撤消(&U)"), MenuId::Edit, K(kCtrl | Qt::Key_Z)),
    item(CommandId::Repeat, "N26", QStringLiteral("重复(&R)"), MenuId::Edit, K(Qt::Key_F4)),
    onToolbar(
        item(CommandId::Cut, "C1", QStringLiteral("剪切(&T)"), MenuId::Edit, K(kCtrl | Qt::Key_X), "N7"), 6,
        4, "SpeedButton9", QStringLiteral("剪切"), ":/icons/cut.svg"),
    onToolbar(item(CommandId::Copy, "C2", QStringLiteral("复制(&C)"), MenuId::Edit, K(kCtrl | Qt::Key_C)), 7,
              4, "SpeedButton8", QStringLiteral("复制"), ":/icons/copy.svg"),
    onToolbar(item(CommandId::Paste, "P1", QStringLiteral("粘贴(&P)"), MenuId::Edit, K(kCtrl | Qt::Key_V)), 8,
              4, "SpeedButton7", QStringLiteral("粘贴"), ":/icons/paste.svg"),
    item(CommandId::Delete, "L1", QStringLiteral("删除(&D)"), MenuId::Edit, K(Qt::Key_Delete)),
    item(CommandId::SelectAll, "A1", QStringLiteral("全选(&A)"), MenuId::Edit, K(kCtrl | Qt::Key_A), "N20"),
    item(CommandId::SelectNone, "N27", QStringLiteral("不选(&N)"), MenuId::Edit),
    item(CommandId::Clear, "N21", QStringLiteral("清空(&L)"), MenuId::Edit),

    view(CommandId::ShowToolbar, "N18", QStringLiteral("标准工具栏(&S)")),
    view(CommandId::ShowPalette, "N19", QStringLiteral("作图工具箱(&T)")),
    view(CommandId::ShowStatusBar, "N29", QStringLiteral("状态栏(&Z)")),
    item(CommandId::ZoomIn, "ZoomIn1", QStringLiteral("放大(&I)"), MenuId::View, K(kCtrl | Qt::Key_Equal),
         "ZoomSeparator1"),
    item(CommandId::ZoomOut, "ZoomOut1", QStringLiteral("缩小(&O)"), MenuId::View, K(kCtrl | Qt::Key_Minus)),
    item(CommandId::ZoomReset, "ZoomReset1", QStringLiteral("实际大小(&A)"), MenuId::View,
         K(kCtrl | Qt::Key_0)),

    window(CommandId::Cascade, "N9", QStringLiteral("层叠(&C)"), "WindowCascade1"),
    window(CommandId::TileHorizontally, "N10", QStringLiteral("水平平铺(&H)"), "WindowTileHorizontal1"),
    window(CommandId::TileVertically, "N11", QStringLiteral("竖直平铺(&V)"), "WindowTileVertical1"),
    window(CommandId::ArrangeIcons, "N12", QStringLiteral("排列图标(&A)"), "WindowArrange1"),
    window(CommandId::MinimizeAll, "N16", QStringLiteral("最小化(&M)"), "WindowMinimizeAll1"),

    item(CommandId::About, "N14", QStringLiteral("关于(&A)"), MenuId::Help),
    onToolbar(item(CommandId::Help, "N13", QStringLiteral("帮助(&H)"), MenuId::Help), 11, 5, "SpeedButton2",
              QStringLiteral("帮助"), ":/icons/help.svg"),
    onToolbar(item(CommandId::HomePage, "N23", QStringLiteral("软件主页(&W)"), MenuId::Help, {}, "N22"), 9, 5,
              "SpeedButton4", QStringLiteral("访问软件主页"), ":/icons/home.svg"),
    onToolbar(item(CommandId::Contact, "N24", QStringLiteral("联系作者(&E)"), MenuId::Help), 10, 5,
              "SpeedButton3", QStringLiteral("发EMAIL给作者"), ":/icons/mail.svg"),
}};

} // namespace

std::span<const MenuRow> menuTable() {
    return kMenus;
}

std::span<const CommandRow> commandTable() {
    return kCommands;
}

const CommandRow& commandRow(CommandId id) {
    return kCommands[size_t(id)];
}
