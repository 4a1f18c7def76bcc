// Wires menu items and toolbar buttons to command objects. A menu's items take
// their enabling and captions from their commands each time the menu opens, and
// every item does so again before a shortcut acts, so a disabled command's
// shortcut does nothing. Toolbar buttons are never disabled; they run the same
// command when it can run, and do nothing otherwise.
#pragma once

#include "core/commands/Command.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QAbstractButton;
class QAction;
class QMenu;

class CommandBinder : public QObject {
    Q_OBJECT
public:
    explicit CommandBinder(QObject* parent = nullptr);

    // Binds the action to the command, which the binder keeps; the action's objectName names it.
    Command& bind(QAction* action, std::unique_ptr<Command> command);
    // A button that runs the handler of the command bound to the action named.
    void bindButton(QAbstractButton* button, const QString& name);

    // Runs the named command if it can run now.
    void run(const QString& name);

    // Enabling and captions of every bound action, or of a menu's actions.
    void refresh();
    void refresh(QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QAction* action;
        std::unique_ptr<Command> command;
        QString caption; // the item's own caption, shown when the command has none
    };
    void refresh(Binding& b);
    Command* command(const QString& name) const;

    std::vector<Binding> m_bindings;
    QHash<QString, size_t> m_byName;
};
