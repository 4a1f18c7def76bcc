// Picture buttons.
#include "ToolButton.h"

#include "Icons.h"

#include <QToolButton>

QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& hint, const char* icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedSize(28, 28);
    b->setIconSize(QSize(20, 20));
    if (icon) b->setIcon(svgIcon(QLatin1String(icon)));
    return b;
}
