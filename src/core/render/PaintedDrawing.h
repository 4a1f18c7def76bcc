// A drawing with its canvas picture: ReDraw and ReDrawAll paint its grids there and the
// frames are drawn there. Whatever shows the picture (a drawing window, or nothing at all in
// a test) listens through a DrawingView.
#pragma once

#include "Canvas.h"
#include "core/model/Drawing.h"

#include <QList>
#include <QRect>

class DrawingView {
public:
    virtual ~DrawingView() = default;
    // These pixels of the picture changed.
    virtual void pictureChanged(const QRect& pixels) = 0;
    // The picture was made anew, at the drawing's size.
    virtual void pictureReplaced() = 0;
    virtual void captionChanged(const QString& caption) = 0;
    // The drawing was made afresh (reopenAs): nothing of the old one is in progress any more.
    virtual void reopened() = 0;
};

class PaintedDrawing : public Drawing {
public:
    PaintedDrawing();

    void setView(DrawingView* view) { m_view = view; }
    Canvas& canvas() { return m_canvas; }
    const Canvas& canvas() const { return m_canvas; }
    const QString& caption() const { return m_caption; }

    // A fresh picture with the grid lines only, as the drawing window shows it first.
    void resetCanvas();
    // Draws a cell's text straight onto the picture, without clearing the cell first.
    void paintText(int col, int row, CharCell cell);
    // Paints the picture again at another zoom or device pixel ratio with what it showed: the
    // cells as shown and the frames drawn over them. False, and nothing changed, when there is
    // no memory for a picture that large.
    bool setGeometry(const CellGeometry& geometry);

    void ReDraw() override;
    void ReDrawAll() override;
    void setCaption(const QString& caption) override;
    void drawFrame(const CellRect& cells) override;
    void frameAll() override;
    void xorBand(QPoint fromCell, QPoint toCell) override;
    void reopenAs(int width, int height) override;

private:
    void changed(const QRect& pixels);

    // The frames drawn over the cells since the last full repaint, to draw again at another
    // size. (Text painted straight onto the picture is in the shown grid, repainted from there.)
    struct Overlay {
        enum Kind { Frame, FrameAll, Band } kind;
        CellRect cells; // a frame's cells; a band's corners as Left, Top and Right, Bottom
    };
    void remember(const Overlay& frame);
    void replayOverlays();
    QList<Overlay> m_overlays;

    Canvas m_canvas;
    QSize m_size; // the picture's size when the view last heard of it
    QString m_caption;
    DrawingView* m_view = nullptr;
};
