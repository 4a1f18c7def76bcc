// 编辑 → 撤消步数: how many steps Undo and Repeat walk in every drawing, 1 (the classic single
// step), 10 or 100, remembered between runs.
#pragma once

#include <QMenu>

class Platform;

class UndoDepthMenu : public QMenu {
    Q_OBJECT
public:
    // Takes the depth remembered from the last run.
    UndoDepthMenu(Platform& platform, QWidget* parent = nullptr);

private:
    void choose(int steps);

    Platform& m_platform;
};
