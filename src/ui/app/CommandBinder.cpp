// Menu and toolbar wiring.
#include "CommandBinder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

CommandBinder::CommandBinder(QObject* parent) : QObject(parent) {
    // A shortcut is offered to the focused widget as ShortcutOverride before the
    // action's shortcut fires: the moment to bring the enabling up to date.
    QCoreApplication::instance()->installEventFilter(this);
}

Command& CommandBinder::bind(QAction* action, std::unique_ptr<Command> command) {
    m_byName.insert(action->objectName(), m_bindings.size());
    m_bindings.push_back({action, std::move(command), action->text()});
    Binding& b = m_bindings.back();
    const QString name = action->objectName();
    connect(action, &QAction::triggered, this, [this, name] { run(name); });
    refresh(b);
    return *b.command;
}

void CommandBinder::bindButton(QAbstractButton* button, const QString& name) {
    // A toolbar button runs the command's handler as it is, whatever the menu item's enabling; the
    // handler itself does nothing without a drawing.
    connect(button, &QAbstractButton::clicked, this, [this, name] {
        if (Command* c = command(name)) c->run();
    });
}

Command* CommandBinder::command(const QString& name) const {
    const auto it = m_byName.constFind(name);
    return it == m_byName.cend() ? nullptr : m_bindings[*it].command.get();
}

void CommandBinder::run(const QString& name) {
    Command* c = command(name);
    if (c && c->enabled()) c->run();
}

void CommandBinder::refresh(Binding& b) {
    b.action->setEnabled(b.command->enabled());
    const QString caption = b.command->caption();
    b.action->setText(caption.isEmpty() ? b.caption : caption);
}

void CommandBinder::refresh() {
    for (Binding& b : m_bindings) refresh(b);
}

void CommandBinder::refresh(QMenu* menu) {
    for (QAction* a : menu->actions()) {
        const auto it = m_byName.constFind(a->objectName());
        if (it != m_byName.cend() && m_bindings[*it].action == a) refresh(m_bindings[*it]);
    }
}

bool CommandBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) refresh();
    return QObject::eventFilter(watched, event);
}
