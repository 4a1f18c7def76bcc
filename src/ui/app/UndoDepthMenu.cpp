// The undo depth submenu.
#include "UndoDepthMenu.h"

#include "core/model/UndoStep.h"
#include "core/platform/Platform.h"

#include <QActionGroup>

namespace {

const QString kSetting = QStringLiteral("edit/undoDepth");

} // namespace

UndoDepthMenu::UndoDepthMenu(Platform& platform, QWidget* parent)
    : QMenu(QStringLiteral("撤消步数"), parent), m_platform(platform) {
    setObjectName(QStringLiteral("UndoDepth1"));
    menuAction()->setObjectName(QStringLiteral("UndoDepth1Item"));
    int remembered = m_platform.setting(kSetting).toInt();
    if (remembered != 10 && remembered != 100) remembered = 1; // anything else is the classic step
    auto* group = new QActionGroup(this);
    const struct {
        int steps;
        const char* name;
        QString caption;
    } items[] = {{1, "UndoDepthClassic", QStringLiteral("1（经典）")},
                 {10, "UndoDepth10", QStringLiteral("10")},
                 {100, "UndoDepth100", QStringLiteral("100")}};
    for (const auto& i : items) {
        QAction* a = addAction(i.caption);
        a->setObjectName(QLatin1String(i.name));
        a->setCheckable(true);
        a->setChecked(i.steps == remembered);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, steps = i.steps] { choose(steps); });
    }
    UndoStep::setDepth(remembered);
}

void UndoDepthMenu::choose(int steps) {
    UndoStep::setDepth(steps);
    m_platform.setSetting(kSetting, steps);
}
