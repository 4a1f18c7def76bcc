// The frame's settings.
#include "FrameSettings.h"

#include "core/platform/Platform.h"

#include <QAction>
#include <QMainWindow>

void FrameSettings::restore() {
    const QByteArray geometry = m_platform.setting(QStringLiteral("window/geometry")).toByteArray();
    if (!geometry.isEmpty()) m_frame.restoreGeometry(geometry);
    for (const View& v : m_views) {
        const QVariant on = m_platform.setting(QLatin1String(v.key));
        if (!on.isValid()) continue;
        v.item->setChecked(on.toBool());
        v.bar->setVisible(on.toBool());
    }
}

void FrameSettings::save() {
    m_platform.setSetting(QStringLiteral("window/geometry"), m_frame.saveGeometry());
    for (const View& v : m_views) m_platform.setSetting(QLatin1String(v.key), v.item->isChecked());
}
