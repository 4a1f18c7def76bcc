// New: the new-document dialog, then a drawing of the chosen size, empty or
// filled from the clipboard text read when New started.
#pragma once

#include "core/commands/Command.h"

#include <functional>

class DrawingHost;
class TNewForm;
class UiPlatform;

class NewCommand final : public Command {
public:
    NewCommand(DrawingHost& host, UiPlatform& platform) : m_host(host), m_platform(platform) {}

    // The dialog, made when New first needs it.
    void setForm(std::function<TNewForm&()> form) { m_form = std::move(form); }

    bool enabled() const override { return bool(m_form); }
    void run() override;

private:
    DrawingHost& m_host;
    UiPlatform& m_platform;
    std::function<TNewForm&()> m_form;
};
