// The files last opened or saved, newest first, kept between runs.
#pragma once

#include <QStringList>

class Platform;

class RecentFiles {
public:
    static constexpr int kMax = 8;

    explicit RecentFiles(Platform& platform);

    const QStringList& paths() const { return m_paths; }
    // The file goes to the top (once only); the oldest beyond kMax drops off.
    void add(const QString& path);
    void clear();

private:
    void store();

    Platform& m_platform;
    QStringList m_paths;
};
