// Commands made of plain functions: one that can always run, and one that acts
// on the active drawing and can run only while there is one.
#pragma once

#include "Command.h"

#include <functional>

class Drawing;
class DrawingHost;

class FunctionCommand final : public Command {
public:
    explicit FunctionCommand(std::function<void()> run, std::function<bool()> enabled = {})
        : m_run(std::move(run)), m_enabled(std::move(enabled)) {}

    bool enabled() const override { return !m_enabled || m_enabled(); }
    void run() override { m_run(); }

private:
    std::function<void()> m_run;
    std::function<bool()> m_enabled;
};

class DrawingCommand final : public Command {
public:
    using Run = std::function<void(Drawing&)>;
    using Enabled = std::function<bool(const Drawing&)>;
    using Caption = std::function<QString(const Drawing*)>;

    DrawingCommand(DrawingHost& host, Run run, Enabled enabled = {}, Caption caption = {})
        : m_host(host), m_run(std::move(run)), m_enabled(std::move(enabled)), m_caption(std::move(caption)) {}

    bool enabled() const override;
    void run() override;
    QString caption() const override;

private:
    DrawingHost& m_host;
    Run m_run;
    Enabled m_enabled;
    Caption m_caption;
};
