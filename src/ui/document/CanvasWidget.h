// The canvas control of a drawing window: shows the canvas picture, repaints
// only what ReDraw reports as changed, and passes the mouse on as plain values.
#pragma once

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

    // Takes the picture's size; call after the picture was replaced.
    void syncSize();
    // Repaints these pixels of the picture.
    void updatePixels(const QRect& pixels);

Q_SIGNALS:
    // Positions are logical pixels of the widget (the picture's pixels at 100 % on an ordinary
    // screen).
    void pressed(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void moved(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void released(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void doubleClicked();
    // The widget is on a screen whose device pixel ratio differs from the canvas picture's.
    void densityChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Canvas& m_canvas;
    bool m_densityPending = false;
};
