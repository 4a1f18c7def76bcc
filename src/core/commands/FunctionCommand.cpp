// Commands of plain functions.
#include "FunctionCommand.h"

#include "DrawingHost.h"
#include "core/model/Drawing.h"

bool DrawingCommand::enabled() const {
    const Drawing* d = m_host.activeDrawing();
    return d && (!m_enabled || m_enabled(*d));
}

void DrawingCommand::run() {
    if (Drawing* d = m_host.activeDrawing()) m_run(*d);
}

QString DrawingCommand::caption() const {
    return m_caption ? m_caption(m_host.activeDrawing()) : QString();
}
