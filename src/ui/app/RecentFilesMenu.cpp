// Recent files menu.
#include "RecentFilesMenu.h"

#include <QDir>
#include <QFileInfo>

RecentFilesMenu::RecentFilesMenu(RecentFiles& files, std::function<void(const QString&)> open,
                                 QWidget* parent)
    : QMenu(QStringLiteral("最近打开的文件"), parent), m_files(files), m_open(std::move(open)) {
    setObjectName(QStringLiteral("RecentFilesMenu"));
    menuAction()->setObjectName(QStringLiteral("RecentFilesItem"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::rebuild);
    rebuild();
}

void RecentFilesMenu::rebuild() {
    clear();
    const QStringList paths = m_files.paths();
    if (paths.isEmpty()) {
        QAction* none = addAction(QStringLiteral("（无）"));
        none->setObjectName(QStringLiteral("RecentFilesNone"));
        none->setEnabled(false);
        return;
    }
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        const QString shown = QDir::toNativeSeparators(path);
        // The number is the item's key; an '&' in a name is shown, not taken as one.
        QAction* a = addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QString(shown).replace(u'&', QStringLiteral("&&"))));
        a->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        const bool there = QFileInfo(path).isFile();
        a->setEnabled(there);
        a->setToolTip(there ? shown : QStringLiteral("找不到文件：%1").arg(shown));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this, [this, path] { m_open(path); });
    }
    addSeparator()->setObjectName(QStringLiteral("RecentFilesSeparator"));
    QAction* clearList = addAction(QStringLiteral("清除列表(&C)"));
    clearList->setObjectName(QStringLiteral("RecentFilesClear"));
    connect(clearList, &QAction::triggered, this, [this] {
        m_files.clear();
        rebuild();
    });
}
