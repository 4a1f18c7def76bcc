// Menu and toolbar wiring.
#include "CommandBinder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

CommandBinder::CommandBinder(QObject* parent) : QObject(parent) {
    // A shortcut is offered to the focused widget as ShortcutOverride before the
    // action's shortcut fires: the moment to bring that command's enabling up to date.
    QCoreApplication::instance()->installEventFilter(this);
}

void CommandBinder::bind(CommandId id, QAction* action, std::unique_ptr<Command> command) {
    Binding& b = m_bindings[size_t(id)];
    b = {action, std::move(command), action->text()};
    connect(action, &QAction::triggered, this, [this, id] { run(id); });
    refresh(b);
}

void CommandBinder::bindButton(QAbstractButton* button, CommandId id) {
    // The button runs the command's handler as it is, whatever its menu item's enabling (Cut with
    // nothing selected still takes its undo step); without a drawing the handler does nothing.
    connect(button, &QAbstractButton::clicked, this, [this, id] {
        if (Command* c = m_bindings[size_t(id)].command.get()) c->run();
    });
}

void CommandBinder::run(CommandId id) {
    Command* c = m_bindings[size_t(id)].command.get();
    if (c && c->enabled()) c->run();
}

void CommandBinder::refresh(Binding& b) {
    if (!b.action || !b.command) return;
    b.action->setEnabled(b.command->enabled());
    const QString caption = b.command->caption();
    b.action->setText(caption.isEmpty() ? b.caption : caption);
}

void CommandBinder::refresh() {
    for (Binding& b : m_bindings) refresh(b);
}

void CommandBinder::refresh(QMenu* menu) {
    for (QAction* a : menu->actions())
        for (Binding& b : m_bindings)
            if (b.action == a) refresh(b);
}

bool CommandBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (Binding& b : m_bindings)
            if (b.action && !b.action->shortcut().isEmpty() && b.action->shortcut() == pressed) refresh(b);
    }
    return QObject::eventFilter(watched, event);
}
