// A drawing window: one drawing in a child window of the main frame, with its
// canvas in a scrolling area.
#pragma once

#include "Canvas.h"
#include "ChildDocument.h"
#include "tools/ToolController.h"

#include <QMdiSubWindow>

class CanvasWidget;
class ChildHost;
class QLineEdit;
class QScrollArea;
class QScrollBar;
class QTimer;

class TChildForm : public QMdiSubWindow, public ChildDocument, private ToolHost {
    Q_OBJECT
public:
    // brushText is the palette's brush caption; width and height the main
    // window's size for the next new drawing.
    TChildForm(ChildHost& host, const QString& brushText, int newDocWidth, int newDocHeight,
               QWidget* parent = nullptr);

    // Paints the cells whose current text differs from what the canvas shows.
    void ReDraw();
    // Repaints the whole canvas: grid lines and every cell.
    void ReDrawAll();

    Canvas& canvas() { return m_canvas; }
    ToolController& tools() { return m_tools; }
    QScrollArea* scrollArea() const { return m_scroll; }
    QScrollBar* verticalScrollBar() const;
    // The size the window takes when first placed: the whole canvas where it fits.
    QSize preferredSize() const;

    CanvasWidget* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLineEdit* Edit1 = nullptr;

    void Image1MouseDown(const PointerEvent& e);
    void Image1MouseMove(const PointerEvent& e);
    void Image1MouseUp(const PointerEvent& e);
    void Image1DblClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Asks whether to save a modified drawing; the window closes only if nothing is lost.
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();

    // ToolHost
    ToolId currentTool() const override;
    void reDraw() override { ReDraw(); }
    void reDrawAll() override { ReDrawAll(); }
    void paintText(int col, int row, CharCell cell) override;
    void setCanvasCursor(CursorSlot slot) override;
    void setBrushCaption(const QString& text) override;
    void setSprayTimer(bool on) override;
    quint32 clockSeed() override;
    bool commitEditBox() override;

    ChildHost& m_host;
    Canvas m_canvas;
    ToolController m_tools{*this, *this};
    QScrollArea* m_scroll = nullptr;
    bool m_shown = false;
};
