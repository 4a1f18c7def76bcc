// Menus and toolbar from the command table.
#include "FrameMenus.h"

#include "CommandBinder.h"
#include "DrawingWindows.h"
#include "FrameCommands.h"
#include "ToolButton.h"
#include "core/commands/Command.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>

void FrameMenus::build(QMenuBar& bar, CommandBinder& binder, FrameCommands& commands, DrawingWindows& windows,
                       const std::function<QMenu*(QMenu*)>& afterOpen, const std::function<void()>& closed,
                       QMenu* afterRepeat) {
    bar.setObjectName(QStringLiteral("MainMenu1"));
    std::array<QMenu*, 5> menus{};
    for (const MenuRow& m : menuTable()) {
        QMenu* menu = bar.addMenu(m.caption);
        menu->setObjectName(QLatin1String(m.name));
        menu->menuAction()->setObjectName(QLatin1String(m.name) + QStringLiteral("Item"));
        // Each item's enabling and caption, as the menu opens.
        QObject::connect(menu, &QMenu::aboutToShow, &binder, [&binder, menu] { binder.refresh(menu); });
        QObject::connect(menu, &QMenu::aboutToHide, menu, closed);
        menus[size_t(m.id)] = menu;
    }
    // The frame's standard window actions: the Window menu's items stand for them.
    auto* standard = new QObject(&bar);
    standard->setObjectName(QStringLiteral("ActionList1"));
    for (const CommandRow& row : commandTable()) {
        Q_ASSERT(&row == &commandRow(row.id)); // the table is in the order of its ids
        QMenu* menu = menus[size_t(row.menu)];
        if (row.separatorBefore) menu->addSeparator()->setObjectName(QLatin1String(row.separatorBefore));
        QAction* item = menu->addAction(row.caption);
        item->setObjectName(QLatin1String(row.name));
        if (!row.shortcut.isEmpty()) item->setShortcut(row.shortcut);
        item->setCheckable(row.checkable);
        item->setChecked(row.checkable);
        if (row.windowAction) {
            auto* action = new QAction(standard);
            action->setObjectName(QLatin1String(row.windowAction));
            binder.bind(row.id, action, commands.make(row.id));
            QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
            QObject::connect(action, &QAction::changed, item,
                             [item, action] { item->setEnabled(action->isEnabled()); });
            item->setEnabled(action->isEnabled());
        } else {
            binder.bind(row.id, item, commands.make(row.id));
        }
        if (row.id == CommandId::Open) menu->addMenu(afterOpen(menu));
        if (row.id == CommandId::Repeat && afterRepeat) menu->addMenu(afterRepeat);
    }
    QMenu* window = menus[size_t(MenuId::Window)];
    QObject::connect(window, &QMenu::aboutToShow, &windows, [&binder, &windows, window] {
        binder.refresh();
        windows.listIn(window);
    });
}

void FrameMenus::buildToolBar(QToolBar& toolBar, CommandBinder& binder) {
    QList<const CommandRow*> buttons;
    for (const CommandRow& row : commandTable())
        if (row.toolbarPlace > 0) buttons << &row;
    std::sort(buttons.begin(), buttons.end(),
              [](const CommandRow* a, const CommandRow* b) { return a->toolbarPlace < b->toolbarPlace; });
    int group = 0;
    for (const CommandRow* row : buttons) {
        if (row->toolbarGroup != group) {
            group = row->toolbarGroup;
            toolBar.addSeparator()->setObjectName(QStringLiteral("ToolSeparator%1").arg(group));
        }
        QToolButton* button = makeToolButton(&toolBar, row->button, row->hint, row->icon);
        binder.bindButton(button, row->id);
        toolBar.addWidget(button);
    }
}
