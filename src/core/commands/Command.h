// A menu or toolbar command: whether it can run now, running it, and the
// caption its menu item shows now. Menus ask enabled() and caption() each time
// they open and before a shortcut acts; a disabled command's shortcut does nothing.
#pragma once

#include <QString>

class Command {
public:
    virtual ~Command() = default;
    virtual bool enabled() const = 0;
    // Carried out only when enabled() holds; callers check.
    virtual void run() = 0;
    // The item's caption for the present state; empty keeps the item's own.
    virtual QString caption() const { return {}; }
};
