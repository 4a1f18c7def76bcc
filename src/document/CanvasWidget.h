// The canvas control of a drawing window: shows the canvas picture and repaints
// only what ReDraw reports as changed.
#pragma once

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

    // Takes the picture's size; call after the picture was replaced.
    void syncSize();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Canvas& m_canvas;
};
