// A drawing window: one drawing in a child window of the main frame, with its
// canvas in a scrolling area.
#pragma once

#include "core/render/PaintedDrawing.h"
#include "core/tools/ToolController.h"

#include <QMdiSubWindow>

#include <optional>

class CanvasWidget;
class ChildHost;
class QKeyEvent;
class QLineEdit;
class QScrollArea;
class QScrollBar;
class QTimer;

class TChildForm : public QMdiSubWindow, private DrawingView, private ToolHost {
    Q_OBJECT
public:
    // brushText is the palette's brush caption; width and height the main
    // window's size for the next new drawing.
    TChildForm(ChildHost& host, const QString& brushText, int newDocWidth, int newDocHeight,
               QWidget* parent = nullptr);

    // The drawing the window shows.
    PaintedDrawing& drawing() { return m_drawing; }
    const PaintedDrawing& drawing() const { return m_drawing; }
    Canvas& canvas() { return m_drawing.canvas(); }
    ToolController& tools() { return m_tools; }
    const EditBox& editBox() const { return m_box; }
    QScrollArea* scrollArea() const { return m_scroll; }
    QScrollBar* verticalScrollBar() const;
    QScrollBar* horizontalScrollBar() const;
    // The size the window takes when first placed: the whole canvas where it fits.
    QSize preferredSize() const;
    // An open edit box gets the keyboard again, so that typing goes on into it.
    void takeKeyboardBack();

    // The zoom, in per cent of 18 pixels a cell.
    int zoomPercent() const { return m_zoomPercent; }
    // Shows the drawing at another zoom, keeping the point of the canvas under `pivot` (a point
    // of the scrolling area's viewport; its middle when none is given) where it is. Refused (false)
    // while a mouse button is held, as a gesture is then under way, or when there is no memory
    // for a picture that large.
    bool setZoomPercent(int percent, std::optional<QPoint> pivot = std::nullopt);

    CanvasWidget* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLineEdit* Edit1 = nullptr;

    void Image1MouseDown(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void Image1MouseMove(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void Image1MouseUp(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Image1DblClick();
    // The edit box's keys: the arrows write the cell and move on, Enter writes and closes.
    void Edit1KeyDown(QKeyEvent* event);
    void Edit1KeyPress();
    void Edit1KeyUp();

protected:
    void showEvent(QShowEvent* event) override;
    // Asks whether to save a modified drawing; the window closes only if nothing is lost.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // The canvas at the zoom and the screen's device pixel ratio; false when it could not be.
    bool applyGeometry(int percent);
    // The edit box over its cell at the zoom shown, with its font when it is shown or `opening`.
    void placeEditBox(bool opening = false);

    // DrawingView
    void pictureChanged(const QRect& pixels) override;
    void pictureReplaced() override;
    void captionChanged(const QString& caption) override { setWindowTitle(caption); }
    void reopened() override;

    // ToolHost
    void paintText(int col, int row, CharCell cell) override;
    void showCursor(CursorSlot slot) override;
    void runSprayTimer(bool on) override;
    void brushTaken(const QString& text) override;
    bool commitEditBox() override;
    void openEditBox(QPoint cell) override;
    void openTextBanner(QPoint cell) override;
    // The box's text into its cell, if it was edited: empty is two spaces, one byte is padded with a space.
    void writeEditBox();
    quint32 clockSeed() override;
    void showStatus(const QString& text) override;

    ChildHost& m_host;
    PaintedDrawing m_drawing;
    ToolController m_tools{m_drawing, *this};
    EditBox m_box;
    QScrollArea* m_scroll = nullptr;
    bool m_shown = false;
    int m_zoomPercent = 100;
    // The edit box's text, selection and caret when it last lost the keyboard.
    struct BoxSelection {
        QString text;
        int start = -1, length = 0, caret = 0;
    } m_boxSelection;
};
