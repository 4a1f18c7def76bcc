// "最近打开的文件": the recent files as a submenu of the File menu, rebuilt each time it
// opens. Files that are gone show greyed, their path as the hint.
#pragma once

#include "core/commands/RecentFiles.h"

#include <QMenu>

#include <functional>

class RecentFilesMenu final : public QMenu {
public:
    RecentFilesMenu(RecentFiles& files, std::function<void(const QString&)> open, QWidget* parent = nullptr);

    // The items as the list stands now.
    void rebuild();

private:
    RecentFiles& m_files;
    std::function<void(const QString&)> m_open;
};
