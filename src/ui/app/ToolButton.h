// The frame's small picture buttons, on the toolbar and the tool palette.
#pragma once

#include <QString>

class QToolButton;
class QWidget;

QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& hint, const char* icon);
