// New: the new-document dialog, then a drawing of the chosen size, empty or
// filled from the clipboard text read when New started.
#pragma once

#include "core/commands/Command.h"

class DrawingHost;
class TNewForm;
class UiPlatform;

class NewCommand final : public Command {
public:
    NewCommand(DrawingHost& host, UiPlatform& platform) : m_host(host), m_platform(platform) {}

    void setForm(TNewForm* form) { m_form = form; }

    bool enabled() const override { return m_form != nullptr; }
    void run() override;

private:
    DrawingHost& m_host;
    UiPlatform& m_platform;
    TNewForm* m_form = nullptr;
};
