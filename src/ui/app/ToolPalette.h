// The tool palette (CoolBar1): a button per row of the tool table, one of them down, and
// below them the brush button (SpeedButton17) that shows the brush text new drawings start with.
#pragma once

#include "core/tools/ToolTable.h"

#include <QFrame>

class QButtonGroup;
class QToolButton;

class ToolPalette final : public QFrame {
    Q_OBJECT
public:
    explicit ToolPalette(QWidget* parent = nullptr);

    QString brushCaption() const;
    void setBrushCaption(const QString& text);

Q_SIGNALS:
    void toolChosen(ToolId tool);
    void brushClicked();

private:
    QButtonGroup* m_buttons = nullptr;
    QToolButton* SpeedButton17 = nullptr;
};
