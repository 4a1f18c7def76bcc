// The drawing windows.
#include "DrawingWindows.h"

#include "core/render/CellGeometry.h"
#include "ui/document/TChildForm.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr int kWheelStep = 120; // one notch of a standard mouse wheel
constexpr int kWheelScroll = 10;

int zoomTarget(int percent, int direction) {
    return direction == 0 ? 100 : nextZoomStep(percent, direction);
}

} // namespace

DrawingWindows::DrawingWindows(ChildHost& host, QMdiArea* area, QObject* parent)
    : QObject(parent), m_host(host), m_area(area) {
    m_area->viewport()->installEventFilter(this);
    connect(m_area, &QMdiArea::subWindowActivated, this, &DrawingWindows::changed);
}

TChildForm* DrawingWindows::active() const {
    // currentSubWindow, unlike activeSubWindow, does not depend on the frame having the focus.
    return qobject_cast<TChildForm*>(m_area->currentSubWindow());
}

QList<TChildForm*> DrawingWindows::all() const {
    QList<TChildForm*> list;
    for (QMdiSubWindow* w : m_area->subWindowList())
        if (auto* child = qobject_cast<TChildForm*>(w)) list << child;
    return list;
}

bool DrawingWindows::any() const {
    return !m_area->subWindowList().isEmpty();
}

TChildForm* DrawingWindows::create(const QString& brush, ToolId tool, int width, int height) {
    auto* child = new TChildForm(m_host, brush, width, height);
    child->tools().setTool(tool);
    m_area->addSubWindow(child);
    child->scrollArea()->viewport()->installEventFilter(this);
    connect(child, &QObject::destroyed, this, &DrawingWindows::changed, Qt::QueuedConnection);
    const QMdiSubWindow* current = m_area->currentSubWindow();
    if (current && current->isMaximized()) {
        // While one drawing fills the frame, the next one does too.
        child->showMaximized();
    } else {
        child->show();
        place(child);
    }
    m_area->setActiveSubWindow(child);
    Q_EMIT changed();
    return child;
}

void DrawingWindows::place(TChildForm* child) {
    // The whole drawing where it fits, else as much of it as the frame has room for, cascading from the
    // top left by a title bar's height and starting again at the corner before a window would leave the
    // frame.
    const QSize room = m_area->viewport()->size();
    // A small drawing still gets a window wide enough for its title and buttons.
    const QSize want = child->preferredSize().expandedTo(QSize(240, 120));
    const QSize size(std::min(want.width(), room.width()), std::min(want.height(), room.height()));
    const int step = std::max(child->height() - child->widget()->height(), 20);
    QPoint at(m_cascade * step, m_cascade * step);
    if (at.x() + size.width() > room.width() || at.y() + size.height() > room.height()) {
        m_cascade = 0;
        at = {0, 0};
    }
    ++m_cascade;
    child->setGeometry(QRect(at, size));
}

TChildForm* DrawingWindows::showFileOf(const QString& path) {
    // The same file by any name: a link, or another spelling of the folders.
    const QFileInfo wanted(path);
    const QString canonical = wanted.canonicalFilePath();
    for (TChildForm* child : all()) {
        const QString held = child->drawing().FileName;
        if (held.isEmpty()) continue;
        const bool same = canonical.isEmpty()
                              ? QFileInfo(held).absoluteFilePath() == wanted.absoluteFilePath()
                              : QFileInfo(held).canonicalFilePath() == canonical;
        if (!same) continue;
        if (child->isMinimized()) child->showNormal();
        m_area->setActiveSubWindow(child);
        return child;
    }
    return nullptr;
}

void DrawingWindows::setToolOfAll(ToolId tool) {
    for (TChildForm* child : all()) child->tools().setTool(tool);
}

void DrawingWindows::cascade() {
    m_area->cascadeSubWindows();
}

void DrawingWindows::tile(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_area->subWindowList())
        if (!w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect area = m_area->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) w->showNormal();
        // Horizontal tiling stacks the windows one above the other, each the full width.
        if (orientation == Qt::Horizontal) {
            const int h = area.height() / n;
            w->setGeometry(0, i * h, area.width(), i == n - 1 ? area.height() - i * h : h);
        } else {
            const int wd = area.width() / n;
            w->setGeometry(i * wd, 0, i == n - 1 ? area.width() - i * wd : wd, area.height());
        }
    }
}

void DrawingWindows::arrangeIcons() {
    // Minimised windows in rows along the bottom edge, left to right, wrapping upwards.
    const QRect area = m_area->viewport()->rect();
    int x = 0, rowBottom = area.height();
    for (QMdiSubWindow* w : m_area->subWindowList()) {
        if (!w->isMinimized()) continue;
        const QSize s = w->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            rowBottom -= s.height();
        }
        w->move(x, rowBottom - s.height());
        x += s.width();
    }
}

void DrawingWindows::minimizeAll() {
    for (QMdiSubWindow* w : m_area->subWindowList()) w->showMinimized();
}

void DrawingWindows::listIn(QMenu* menu) {
    for (QAction* a : m_listed) {
        menu->removeAction(a);
        a->deleteLater();
    }
    m_listed.clear();
    const QList<TChildForm*> drawings = all();
    if (drawings.isEmpty()) return;
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    separator->setObjectName(QStringLiteral("WindowListSeparator"));
    m_listed << separator;
    const TChildForm* current = active();
    for (qsizetype i = 0; i < drawings.size(); ++i) {
        TChildForm* child = drawings[i];
        const QString title = child->windowTitle();
        auto* item = new QAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title, menu);
        item->setObjectName(QStringLiteral("WindowItem%1").arg(i + 1));
        item->setCheckable(true);
        item->setChecked(child == current);
        connect(item, &QAction::triggered, this, [this, guard = QPointer<TChildForm>(child)] {
            if (!guard) return;
            if (guard->isMinimized()) guard->showNormal();
            m_area->setActiveSubWindow(guard);
        });
        m_listed << item;
    }
    menu->addActions(m_listed);
}

void DrawingWindows::scrollActive(bool down) {
    if (TChildForm* child = active()) {
        QScrollBar* bar = child->verticalScrollBar();
        bar->setValue(bar->value() + (down ? kWheelScroll : -kWheelScroll));
    }
}

bool DrawingWindows::canZoom(int direction) const {
    const TChildForm* child = active();
    return child && zoomTarget(child->zoomPercent(), direction) != child->zoomPercent();
}

void DrawingWindows::zoomActive(int direction, std::optional<QPoint> pivot) {
    if (TChildForm* child = active())
        child->setZoomPercent(zoomTarget(child->zoomPercent(), direction), pivot);
}

bool DrawingWindows::wheel(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        TChildForm* child = active();
        m_zoomRemainder += delta.y() != 0 ? delta.y() : delta.x();
        const int steps = m_zoomRemainder / kWheelStep;
        m_zoomRemainder -= steps * kWheelStep;
        if (child && steps != 0) {
            const QWidget* viewport = child->scrollArea()->viewport();
            const QPoint at = viewport->mapFromGlobal(event->globalPosition()).toPoint();
            const bool inside = viewport->rect().contains(at);
            for (int i = 0; i < std::abs(steps); ++i)
                zoomActive(steps > 0 ? 1 : -1, inside ? std::optional<QPoint>(at) : std::nullopt);
        }
        event->accept();
        return true;
    }
    // Shift turns the wheel sideways, as does a wheel that tilts.
    const bool sideways =
        (event->modifiers() & Qt::ShiftModifier) || std::abs(delta.x()) > std::abs(delta.y());
    if (!sideways) {
        m_wheelRemainder += delta.y();
        while (m_wheelRemainder <= -kWheelStep) {
            m_wheelRemainder += kWheelStep;
            scrollActive(true);
        }
        while (m_wheelRemainder >= kWheelStep) {
            m_wheelRemainder -= kWheelStep;
            scrollActive(false);
        }
    } else {
        // Some systems report Shift and the wheel as a sideways turn already.
        m_sidewaysRemainder += delta.x() != 0 ? delta.x() : delta.y();
        const int steps = m_sidewaysRemainder / kWheelStep;
        m_sidewaysRemainder -= steps * kWheelStep;
        if (TChildForm* child = active(); child && steps != 0) {
            QScrollBar* bar = child->horizontalScrollBar();
            bar->setValue(bar->value() - steps * kWheelScroll);
        }
    }
    event->accept();
    return true;
}

bool DrawingWindows::eventFilter(QObject* watched, QEvent* event) {
    // The drawing windows and the client area leave the wheel to the frame.
    if (event->type() == QEvent::Wheel) return wheel(static_cast<QWheelEvent*>(event));
    return QObject::eventFilter(watched, event);
}
