// Drawing window.
#include "TChildForm.h"

#include "CanvasWidget.h"
#include "ChildHost.h"
#include "core/platform/Platform.h"
#include "core/render/CanvasFont.h"
#include "core/text/BrushText.h"
#include "core/text/GbkByteLimit.h"
#include "core/text/GbkText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

TChildForm::TChildForm(ChildHost& host, const QString& brushText, int newDocWidth, int newDocHeight,
                       QWidget* parent)
    : QMdiSubWindow(parent), m_host(host) {
    PaintedDrawing& d = m_drawing;
    setBrushText(d, brushText);
    setObjectName(QStringLiteral("ChildForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新建"));

    // The create event takes the size the main window prepared for this drawing.
    d.GridWidth = std::clamp(newDocWidth, 1, kGridMax);
    d.GridHeight = std::clamp(newDocHeight, 1, kGridMax);

    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Window);
    Image1 = new CanvasWidget(d.canvas());
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
    // Moved to a screen of another pixel density: painted again for it, to stay sharp.
    connect(Image1, &CanvasWidget::densityChanged, this, [this] { applyGeometry(m_zoomPercent); });

    // The in-place edit box: inside one cell's grid lines, red text, at most two GBK bytes.
    Edit1 = new QLineEdit(Image1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->setTextMargins(0, 0, 0, 0);
    Edit1->setContentsMargins(0, 0, 0, 0);
    placeEditBox();
    QPalette red = Edit1->palette();
    red.setColor(QPalette::Text, Qt::red);
    Edit1->setPalette(red);
    Edit1->setValidator(new GbkByteLimit(2, Edit1));
    Edit1->installEventFilter(this);
    Edit1->hide();
    d.setView(this);
}

QScrollBar* TChildForm::verticalScrollBar() const {
    return m_scroll->verticalScrollBar();
}

QScrollBar* TChildForm::horizontalScrollBar() const {
    return m_scroll->horizontalScrollBar();
}

QSize TChildForm::preferredSize() const {
    const double cell = kCellSize * m_zoomPercent / 100.0;
    const QSize canvasSize(int(std::ceil(cell * m_drawing.GridWidth)),
                           int(std::ceil(cell * m_drawing.GridHeight)));
    const int frameW = width() - m_scroll->viewport()->width();
    const int frameH = height() - m_scroll->viewport()->height();
    return canvasSize + QSize(std::max(frameW, 0), std::max(frameH, 0));
}

void TChildForm::takeKeyboardBack() {
    if (Edit1->isVisible()) Edit1->setFocus(Qt::OtherFocusReason);
}

void TChildForm::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TChildForm::closeEvent(QCloseEvent* event) {
    if (m_drawing.SavedCount < m_drawing.ChangeCount) {
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
    m_drawing.resetForShow();
    m_drawing.canvas().setGeometry(CellGeometry(m_zoomPercent / 100.0, Image1->devicePixelRatioF()));
    // A fresh picture with the grid lines only: every cell is still two spaces.
    m_drawing.resetCanvas();
}

void TChildForm::pictureChanged(const QRect& pixels) {
    Image1->updatePixels(pixels);
}

bool TChildForm::applyGeometry(int percent) {
    return m_drawing.setGeometry(CellGeometry(percent / 100.0, Image1->devicePixelRatioF()));
}

bool TChildForm::setZoomPercent(int percent, std::optional<QPoint> pivot) {
    if (percent == m_zoomPercent) return true;
    if (QGuiApplication::mouseButtons() != Qt::NoButton) return false;
    const QPoint at = pivot.value_or(m_scroll->viewport()->rect().center());
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    // The canvas point under the pivot, in pixels at 100 %.
    const double before = m_zoomPercent / 100.0, after = percent / 100.0;
    const QPointF point((h->value() + at.x()) / before, (v->value() + at.y()) / before);
    if (!applyGeometry(percent)) return false;
    m_zoomPercent = percent;
    m_tools.setZoom(after);
    placeEditBox();
    // The scroll bars take the canvas's new size before they are moved.
    m_scroll->widget()->updateGeometry();
    QCoreApplication::sendPostedEvents(m_scroll, QEvent::LayoutRequest);
    h->setValue(int(std::lround(point.x() * after - at.x())));
    v->setValue(int(std::lround(point.y() * after - at.y())));
    m_host.zoomChanged(*this);
    return true;
}

void TChildForm::placeEditBox(bool opening) {
    const double cell = kCellSize * m_zoomPercent / 100.0;
    const int side = std::max(int(std::lround(cell)) - 1, 1);
    Edit1->setFixedSize(side, side);
    // The font only once the box is used: setting it loads the face, which a start need not wait for.
    if (opening || Edit1->isVisible()) {
        QFont font = canvasFont(m_drawing.FontName, m_drawing.FontSize);
        font.setPixelSize(std::max(int(std::lround(16 * m_zoomPercent / 100.0)), 6));
        if (font != Edit1->font()) Edit1->setFont(font);
    }
    Edit1->move(int(std::lround(m_box.cell.x() * cell)) + 1, int(std::lround(m_box.cell.y() * cell)) + 1);
}

void TChildForm::pictureReplaced() {
    Image1->syncSize();
    Image1->update();
}

void TChildForm::reopened() {
    Edit1->hide();
    m_box = EditBox();
    m_tools.reset();
    // The window fits the new size as it fitted the old, within the frame.
    if (!isMaximized() && !isMinimized())
        if (const QMdiArea* area = mdiArea()) {
            const QSize room = area->viewport()->size() - QSize(x(), y());
            resize(preferredSize().expandedTo(QSize(240, 120)).boundedTo(room.expandedTo(QSize(240, 120))));
        }
}

void TChildForm::showStatus(const QString& text) {
    m_host.setStatusText(text);
}

void TChildForm::Image1MouseDown(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    m_tools.press(pixel, buttons, modifiers);
}

void TChildForm::Image1MouseMove(QPoint pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    m_tools.move(pixel, buttons, modifiers);
}

void TChildForm::Image1MouseUp(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    m_tools.release(pixel, button, modifiers);
}

void TChildForm::Image1DblClick() {
    m_tools.doubleClick();
}

void TChildForm::showCursor(CursorSlot slot) {
    Image1->setCursor(m_host.cursorForSlot(slot));
}

void TChildForm::runSprayTimer(bool on) {
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}

void TChildForm::brushTaken(const QString& text) {
    m_host.setBrushCaption(text);
}

void TChildForm::paintText(int col, int row, CharCell cell) {
    m_drawing.paintText(col, row, cell);
}

quint32 TChildForm::clockSeed() {
    return quint32(m_host.platform().clockMs());
}

void TChildForm::openEditBox(QPoint cell) {
    m_box.cell = cell;
    m_box.original = m_drawing.CurGrid.at(cell.x(), cell.y());
    placeEditBox(true);
    Edit1->setText(gbkToUnicode(m_box.original.text()));
    Edit1->show();
    Edit1->setFocus();
    Edit1->selectAll();
    // Scrolled into view, so that the user sees where the typing goes.
    const int margin = int(std::lround(kCellSize * m_zoomPercent / 100.0));
    m_scroll->ensureWidgetVisible(Edit1, margin, margin);
}

void TChildForm::openTextBanner(QPoint cell) {
    m_host.openTextBanner(*this, cell);
}

void TChildForm::writeEditBox() {
    m_drawing.CurGrid.at(m_box.cell.x(), m_box.cell.y()) =
        m_box.written(unicodeToGbk(Edit1->text()).left(2), Edit1->isModified());
}

bool TChildForm::eventFilter(QObject* watched, QEvent* event) {
    // A menu taking the keyboard deselects the box's text; it comes back as it was, so that
    // typing replaces the cell's text again instead of being refused by a full box.
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        m_boxSelection = {Edit1->text(), Edit1->selectionStart(), int(Edit1->selectedText().size()),
                          Edit1->cursorPosition()};
    }
    if (watched == Edit1 && event->type() == QEvent::FocusIn && m_boxSelection.text == Edit1->text()) {
        if (m_boxSelection.start >= 0)
            Edit1->setSelection(m_boxSelection.start, m_boxSelection.length);
        else
            Edit1->setCursorPosition(m_boxSelection.caret);
    }
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && Edit1->isVisible()) {
            Edit1KeyPress();
            return true;
        }
        Edit1KeyDown(key);
    }
    if (watched == Edit1 && event->type() == QEvent::KeyRelease) Edit1KeyUp();
    return QMdiSubWindow::eventFilter(watched, event);
}

void TChildForm::Edit1KeyDown(QKeyEvent* event) {
    if (!Edit1->isVisible()) return;
    // The caret as a byte position in the cell: Left moves on from 0, Right from 2.
    const QString text = Edit1->text();
    const int caret = Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
    const qsizetype bytePos = unicodeToGbk(QStringView(text).left(caret)).size();
    EditMove move;
    switch (event->key()) {
    case Qt::Key_Left:
        if (bytePos != 0) return;
        move = EditMove::Left;
        break;
    case Qt::Key_Right:
        if (bytePos != 2) return;
        move = EditMove::Right;
        break;
    case Qt::Key_Up:
        move = EditMove::Up;
        break;
    case Qt::Key_Down:
        move = EditMove::Down;
        break;
    default:
        return;
    }
    writeEditBox();
    m_drawing.ReDraw();
    const QPoint from = m_box.cell;
    const QPoint to = editCellAfter(from, move, m_drawing.GridWidth, m_drawing.GridHeight);
    if (to == from) return; // at the edge: the box stays where it is
    openEditBox(to);
    m_box.reselectPending = true;
    // The key goes on to the box, which may move the caret; the release selects the new text again.
}

void TChildForm::Edit1KeyPress() {
    writeEditBox();
    Edit1->hide();
    m_drawing.ReDraw();
}

void TChildForm::Edit1KeyUp() {
    if (!m_box.reselectPending) return;
    Edit1->setFocus();
    Edit1->selectAll();
    m_box.reselectPending = false;
}

bool TChildForm::commitEditBox() {
    if (!Edit1->isVisible()) return false;
    writeEditBox();
    Edit1->hide();
    return true;
}
