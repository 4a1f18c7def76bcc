// A drawing on its canvas with the tools attached: what a drawing window does for
// the core, without any widget. Pointer helpers act at cell centres.
#pragma once

#include "core/render/PaintedDrawing.h"
#include "core/tools/ToolController.h"

#include <QStringList>

#include <functional>

class CanvasDrawing final : public PaintedDrawing, public ToolHost {
public:
    explicit CanvasDrawing(int width = 50, int height = 50);

    // With the two switches below.
    void ReDraw() override;
    void ReDrawAll() override;

    void showStatus(const QString& text) override { status = text; }
    void openEditBox(QPoint cell) override { editBoxes << cell; }
    void openTextBanner(QPoint cell) override { banners << cell; }
    void paintText(int col, int row, CharCell cell) override { PaintedDrawing::paintText(col, row, cell); }
    void showCursor(CursorSlot slot) override { cursor = slot; }
    void runSprayTimer(bool on) override { spraying = on; }
    void brushTaken(const QString& text) override { brushesTaken << text; }
    bool commitEditBox() override { return false; }
    quint32 clockSeed() override { return 1; }

    // Pointer events at the centre of a cell, for the cursor the tool shows, with the tool
    // chosen on the palette first.
    void hover(ToolId tool, QPoint cell);
    void press(ToolId tool, QPoint cell, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = Qt::NoModifier);
    void drag(ToolId tool, QPoint cell, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void release(ToolId tool, QPoint cell, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Hover over the first cell, press, drag through the others, release on the last.
    void stroke(ToolId tool, std::initializer_list<QPoint> cells);

    ToolController tools{*this, *this};
    QString status;
    QList<QPoint> editBoxes;         // the cells the edit box was opened over
    QList<QPoint> banners;           // the cells the text banner was opened for
    CursorSlot cursor = ArrowCursor; // the cursor the tools asked for
    bool spraying = false;           // the spray's timer runs
    QStringList brushesTaken;        // what the eyedropper took, in order
    bool paints = true;              // off: the grids change but the canvas is left as it is, for speed
    std::function<void()> onReDraw;  // called at every ReDraw, as a window's repaint may let events in

private:
    QPoint pixelFor(ToolId tool, QPoint cell) const;
};
