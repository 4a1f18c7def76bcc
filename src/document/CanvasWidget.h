// The canvas control of a drawing window: shows the canvas picture and repaints
// only what ReDraw reports as changed.
#pragma once

#include "tools/ToolController.h"

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

    // Takes the picture's size; call after the picture was replaced.
    void syncSize();

Q_SIGNALS:
    void pressed(const PointerEvent& e);
    void moved(const PointerEvent& e);
    void released(const PointerEvent& e);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Canvas& m_canvas;
};
