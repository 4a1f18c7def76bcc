// The tool palette.
#include "ToolPalette.h"

#include "StandInFont.h"
#include "ToolButton.h"

#include <QButtonGroup>
#include <QToolButton>

ToolPalette::ToolPalette(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("CoolBar1"));
    setFixedWidth(75);
    setFrameShape(QFrame::StyledPanel);
    m_buttons = new QButtonGroup(this);
    m_buttons->setObjectName(QStringLiteral("PaletteGroup"));
    m_buttons->setExclusive(true);
    for (const ToolRow& row : toolTable()) {
        QToolButton* b = makeToolButton(this, row.button, row.hint, row.icon);
        b->setCheckable(true);
        if (!row.caption.isEmpty()) {
            b->setText(row.caption);
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        b->move(3 + 32 * (row.column - 1), 2 + 32 * (row.row - 1));
        m_buttons->addButton(b, int(row.id));
        const ToolId id = row.id;
        connect(b, &QToolButton::clicked, this, [this, id] { Q_EMIT toolChosen(id); });
    }
    m_buttons->button(int(ToolId::Select))->setChecked(true);

    SpeedButton17 = new QToolButton(this);
    SpeedButton17->setObjectName(QStringLiteral("SpeedButton17"));
    SpeedButton17->setGeometry(19, 298, 30, 28);
    SpeedButton17->setText(QStringLiteral("画"));
    SpeedButton17->setToolTip(QStringLiteral("画笔文本 单击修改"));
    SpeedButton17->setFont(standInFont(QStringLiteral("宋体"), 13));
    SpeedButton17->setStyleSheet(QStringLiteral("QToolButton { color: black; }"));
    connect(SpeedButton17, &QToolButton::clicked, this, &ToolPalette::brushClicked);
}

QString ToolPalette::brushCaption() const {
    return SpeedButton17->text();
}

void ToolPalette::setBrushCaption(const QString& text) {
    SpeedButton17->setText(text);
}
