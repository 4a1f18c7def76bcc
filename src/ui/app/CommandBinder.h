// Wires menu items and toolbar buttons to command objects, one for each CommandId.
// A menu's items take their enabling and captions from their commands each time the
// menu opens, and a command does so again just before its shortcut acts, so a disabled
// command's shortcut does nothing. Toolbar buttons are never disabled; they run the
// same command when it can run, and do nothing otherwise.
#pragma once

#include "CommandTable.h"
#include "core/commands/Command.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QAbstractButton;
class QAction;
class QMenu;

class CommandBinder : public QObject {
    Q_OBJECT
public:
    explicit CommandBinder(QObject* parent = nullptr);

    // Binds the action to the command, which the binder keeps.
    void bind(CommandId id, QAction* action, std::unique_ptr<Command> command);
    // A button that runs the command's handler, whatever its menu item shows.
    void bindButton(QAbstractButton* button, CommandId id);

    // Runs the command if it can run now.
    void run(CommandId id);
    QAction* action(CommandId id) const { return m_bindings[size_t(id)].action; }

    // Enabling and captions of every bound action, or of a menu's actions.
    void refresh();
    void refresh(QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QAction* action = nullptr;
        std::unique_ptr<Command> command;
        QString caption; // the item's own caption, shown when the command has none
    };
    void refresh(Binding& b);

    std::array<Binding, kCommandCount> m_bindings;
};
