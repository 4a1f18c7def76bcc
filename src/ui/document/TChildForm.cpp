// Drawing window.
#include "TChildForm.h"

#include "CanvasWidget.h"
#include "ChildHost.h"
#include "core/platform/Platform.h"
#include "core/render/CanvasFont.h"
#include "core/text/GbkText.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

TChildForm::TChildForm(ChildHost& host, const QString& brushText, int newDocWidth, int newDocHeight,
                       QWidget* parent)
    : QMdiSubWindow(parent), Drawing(brushText), m_host(host) {
    setObjectName(QStringLiteral("ChildForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新建"));
    m_canvas.setFont(canvasFont(FontName, FontSize));

    // The create event takes the size the main window prepared for this drawing.
    GridWidth = std::clamp(newDocWidth, 1, kGridMax);
    GridHeight = std::clamp(newDocHeight, 1, kGridMax);

    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Window);
    Image1 = new CanvasWidget(m_canvas);
    Image1->setObjectName(QStringLiteral("Image1"));
    m_scroll->setWidget(Image1);
    setWidget(m_scroll);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, [this] { m_tools.sprayTick(); });
    connect(Image1, &CanvasWidget::pressed, this, &TChildForm::Image1MouseDown);
    connect(Image1, &CanvasWidget::moved, this, &TChildForm::Image1MouseMove);
    connect(Image1, &CanvasWidget::released, this, &TChildForm::Image1MouseUp);
    connect(Image1, &CanvasWidget::doubleClicked, this, &TChildForm::Image1DblClick);

    Edit1 = new QLineEdit(Image1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->hide();
}

QScrollBar* TChildForm::verticalScrollBar() const {
    return m_scroll->verticalScrollBar();
}

QScrollBar* TChildForm::horizontalScrollBar() const {
    return m_scroll->horizontalScrollBar();
}

QSize TChildForm::preferredSize() const {
    const QSize canvasSize(CellWidth * GridWidth, CellHeight * GridHeight);
    const int frameW = width() - m_scroll->viewport()->width();
    const int frameH = height() - m_scroll->viewport()->height();
    return canvasSize + QSize(std::max(frameW, 0), std::max(frameH, 0));
}

void TChildForm::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TChildForm::closeEvent(QCloseEvent* event) {
    if (SavedCount < ChangeCount) {
        // The user sees which drawing the question is about.
        if (isMinimized()) showNormal();
        if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
        raise();
        switch (m_host.platform().messageBox(QStringLiteral("是否保存当前文档"), QStringLiteral("?"),
                                             MessageButtons::YesNoCancel, MessageKind::Question)) {
        case MessageAnswer::Yes:
            // Only a save that really wrote the file lets the drawing go.
            if (!m_host.saveDrawing(*this)) {
                event->ignore();
                return;
            }
            break;
        case MessageAnswer::No:
            break;
        default:
            event->ignore();
            return;
        }
    }
    QMdiSubWindow::closeEvent(event);
}

void TChildForm::FormShow() {
    resetForShow();
    m_canvas.setFont(canvasFont(FontName, FontSize));
    // A fresh picture with the grid lines only: every cell is still two spaces.
    m_canvas.reset(GridWidth, GridHeight);
    Image1->syncSize();
}

void TChildForm::ReDraw() {
    const QRect dirty = m_canvas.reDraw(CurGrid, ShownGrid, GridWidth, GridHeight);
    if (!dirty.isEmpty()) Image1->update(dirty);
}

void TChildForm::ReDrawAll() {
    m_canvas.reDrawAll(CurGrid, ShownGrid, GridWidth, GridHeight);
    Image1->syncSize();
    Image1->update();
}

void TChildForm::drawFrame(QPoint a, QPoint b) {
    Image1->update(m_canvas.drawFrame(a, b));
}

void TChildForm::xorBand(QPoint a, QPoint b) {
    Image1->update(m_canvas.xorBand(a, b));
}

void TChildForm::showStatus(const QString& text) {
    m_host.setStatusText(text);
}

void TChildForm::Image1MouseDown(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    m_tools.press(pixel, buttons, modifiers, m_host.currentTool());
    followTools();
}

void TChildForm::Image1MouseMove(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    m_tools.move(pixel, buttons, modifiers, m_host.currentTool());
    followTools();
}

void TChildForm::Image1MouseUp(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    m_tools.release(pixel, button, modifiers, m_host.currentTool());
    followTools();
}

void TChildForm::Image1DblClick() {
    m_tools.doubleClick(m_host.currentTool());
    followTools();
}

void TChildForm::followTools() {
    if (m_tools.cursorShown() != m_cursor) {
        m_cursor = m_tools.cursorShown();
        Image1->setCursor(m_host.cursorForSlot(m_cursor));
    }
    if (m_tools.ticking() != Timer1->isActive()) {
        if (m_tools.ticking())
            Timer1->start();
        else
            Timer1->stop();
    }
    if (m_tools.takeBrushChanged()) m_host.setBrushCaption(BrushText);
}

void TChildForm::paintText(int col, int row, CharCell cell) {
    m_canvas.cellPainter().paintText(m_canvas.picture(), col, row, cell);
    Image1->update(Canvas::cellRect(col, row));
}

quint32 TChildForm::clockSeed() {
    return quint32(m_host.platform().clockMs());
}

bool TChildForm::commitEditBox() {
    if (!Edit1->isVisible()) return false;
    // At most two bytes: empty is two spaces, one byte is padded with a space.
    const QByteArray text = unicodeToGbk(Edit1->text()).left(2);
    CurGrid.at(AnchorX, AnchorY) = CharCell::of(text.size() > 0 ? quint8(text[0]) : quint8(' '),
                                                text.size() > 1 ? quint8(text[1]) : quint8(' '));
    Edit1->hide();
    return true;
}
