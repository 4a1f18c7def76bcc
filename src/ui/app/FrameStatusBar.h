// The frame's status bar: the help text of the tool or command in hand on the left, and for
// the active drawing its zoom and its file's encoding on the right.
#pragma once

#include <QStatusBar>

class QLabel;
class TChildForm;

class FrameStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit FrameStatusBar(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // The zoom ("100%") and encoding of this drawing; both empty without one.
    void showDrawing(const TChildForm* child);

private:
    QLabel* m_panel = nullptr;
    QLabel* m_zoom = nullptr;
    QLabel* m_encoding = nullptr;
};
