// Recent files.
#include "RecentFiles.h"

#include "core/platform/Platform.h"

namespace {

const QString kKey = QStringLiteral("recent/files");

} // namespace

RecentFiles::RecentFiles(Platform& platform) : m_platform(platform) {
    // Whatever the settings hold, at most kMax distinct names come back.
    for (const QString& path : m_platform.setting(kKey).toStringList())
        if (!path.isEmpty() && !m_paths.contains(path) && m_paths.size() < kMax) m_paths << path;
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) return;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > kMax) m_paths.removeLast();
    store();
}

void RecentFiles::clear() {
    m_paths.clear();
    store();
}

void RecentFiles::store() {
    m_platform.setSetting(kKey, m_paths);
}
