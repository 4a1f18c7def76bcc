// Main frame: construction, wiring, palette, View and Window menus, Help.
#include "TMainForm.h"

#include "FileCommands.h"
#include "Icons.h"
#include "Links.h"
#include "TAboutForm.h"
#include "TNewForm.h"
#include "UndoRepeat.h"
#include "document/TChildForm.h"
#include "platform/Platform.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {

constexpr int kWheelStep = 120; // one notch of a standard mouse wheel
constexpr int kWheelScroll = 10;

QToolButton* makeButton(QWidget* parent, const char* name, const QString& hint, const char* icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedSize(28, 28);
    b->setIconSize(QSize(20, 20));
    if (icon) b->setIcon(svgIcon(QLatin1String(icon)));
    return b;
}

} // namespace

TMainForm::TMainForm(Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_files(std::make_unique<FileCommands>(*this, platform)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Runeboard"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/runeboard.svg")));
    resize(624, 450);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }

    buildMenus();
    buildToolBar();

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildPalette();
    layout->addWidget(CoolBar1);
    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->installEventFilter(this);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19 + 4);
    m_statusPanel = new QLabel;
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusBar1->addWidget(m_statusPanel, 1);
    setStatusBar(StatusBar1);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TMainForm::updateWindowActions);
    updateWindowActions();
}

TMainForm::~TMainForm() {
    // The drawing windows go with the frame; nothing is to be updated for them on the way.
    disconnect(m_mdi, nullptr, this, nullptr);
    for (TChildForm* child : children()) disconnect(child, nullptr, this, nullptr);
}

QAction* TMainForm::addItem(QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& shortcut) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
}

void TMainForm::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void TMainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [&](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
        return m;
    };

    // Items whose commands are not part of the program yet stay disabled rather than pretend.
    QList<QAction*> notYet;

    QMenu* N1 = menu("N1", QStringLiteral("文件(&F)"));
    connect(addItem(N1, "N3", QStringLiteral("新建(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &TMainForm::N3Click);
    connect(addItem(N1, "O1", QStringLiteral("打开(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TMainForm::O1Click);
    notYet << addItem(N1, "N17", QStringLiteral("导入图片(&D)"));
    addSeparator(N1, "N6");
    S1 = addItem(N1, "S1", QStringLiteral("保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    N4 = addItem(N1, "N4", QStringLiteral("另存为(&A)"));
    addSeparator(N1, "N5");
    connect(addItem(N1, "E2", QStringLiteral("打印设置(&E)")), &QAction::triggered, this,
            &TMainForm::E2Click);
    P2 = addItem(N1, "P2", QStringLiteral("打印(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P));
    addSeparator(N1, "N15");
    connect(addItem(N1, "Q1", QStringLiteral("退出(&X)")), &QAction::triggered, this, &QWidget::close);
    connect(S1, &QAction::triggered, this, &TMainForm::S1Click);
    connect(N4, &QAction::triggered, this, &TMainForm::N4Click);
    connect(P2, &QAction::triggered, this, &TMainForm::P2Click);
    // The menu shows the enabling while open; closed, the shortcuts reach the commands, which check for
    // themselves.
    connect(N1, &QMenu::aboutToShow, this, &TMainForm::N1Click);
    connect(N1, &QMenu::aboutToHide, this, [this] {
        for (QAction* a : {S1, N4, P2}) a->setEnabled(true);
    });

    QMenu* E1 = menu("E1", QStringLiteral("编辑(&E)"));
    U1 = addItem(E1, "U1", QStringLiteral("撤消(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    N26 = addItem(E1, "N26", QStringLiteral("重复(&R)"), QKeySequence(Qt::Key_F4));
    connect(U1, &QAction::triggered, this, &TMainForm::U1Click);
    connect(N26, &QAction::triggered, this, &TMainForm::N26Click);
    connect(E1, &QMenu::aboutToShow, this, &TMainForm::E1Click);
    connect(E1, &QMenu::aboutToHide, this, [this] {
        for (QAction* a : {U1, N26}) a->setEnabled(true);
    });
    addSeparator(E1, "N7");
    notYet << addItem(E1, "C1", QStringLiteral("剪切(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    notYet << addItem(E1, "C2", QStringLiteral("复制(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    notYet << addItem(E1, "P1", QStringLiteral("粘贴(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V));
    notYet << addItem(E1, "L1", QStringLiteral("删除(&D)"), QKeySequence(Qt::Key_Delete));
    addSeparator(E1, "N20");
    notYet << addItem(E1, "A1", QStringLiteral("全选(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A));
    notYet << addItem(E1, "N27", QStringLiteral("不选(&N)"));
    notYet << addItem(E1, "N21", QStringLiteral("清空(&L)"));
    QMenu* N2 = menu("N2", QStringLiteral("视图(&V)"));
    N18 = addItem(N2, "N18", QStringLiteral("标准工具栏(&S)"));
    N19 = addItem(N2, "N19", QStringLiteral("作图工具箱(&T)"));
    N29 = addItem(N2, "N29", QStringLiteral("状态栏(&Z)"));
    for (QAction* a : {N18, N19, N29}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    // The handlers set the check mark themselves, from its state before the click.
    connect(N18, &QAction::triggered, this, &TMainForm::N18Click);
    connect(N19, &QAction::triggered, this, &TMainForm::N19Click);
    connect(N29, &QAction::triggered, this, &TMainForm::N29Click);

    // The frame's standard window actions; the Window menu's items are bound to them.
    ActionList1 = new QObject(this);
    ActionList1->setObjectName(QStringLiteral("ActionList1"));
    auto windowAction = [&](const char* name, auto&& run) {
        auto* a = new QAction(ActionList1);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    QMenu* N8 = menu("N8", QStringLiteral("窗口(&W)"));
    const struct {
        const char* item;
        QString caption;
        QAction* action;
    } windowItems[] = {
        {"N9", QStringLiteral("层叠(&C)"),
         windowAction("WindowCascade1", [this] { m_mdi->cascadeSubWindows(); })},
        {"N10", QStringLiteral("水平平铺(&H)"),
         windowAction("WindowTileHorizontal1", [this] { tileWindows(Qt::Horizontal); })},
        {"N11", QStringLiteral("竖直平铺(&V)"),
         windowAction("WindowTileVertical1", [this] { tileWindows(Qt::Vertical); })},
        {"N12", QStringLiteral("排列图标(&A)"), windowAction("WindowArrange1", [this] { arrangeIcons(); })},
        {"N16", QStringLiteral("最小化(&M)"), windowAction("WindowMinimizeAll1", [this] { minimizeAll(); })},
    };
    for (const auto& w : windowItems) {
        QAction* item = addItem(N8, w.item, w.caption);
        QAction* action = w.action;
        connect(item, &QAction::triggered, action, &QAction::trigger);
        connect(action, &QAction::changed, item, [item, action] { item->setEnabled(action->isEnabled()); });
    }
    connect(N8, &QMenu::aboutToShow, this, &TMainForm::updateWindowActions);

    QMenu* H1 = menu("H1", QStringLiteral("帮助(&H)"));
    connect(addItem(H1, "N14", QStringLiteral("关于(&A)")), &QAction::triggered, this, &TMainForm::N14Click);
    connect(addItem(H1, "N13", QStringLiteral("帮助(&H)")), &QAction::triggered, this, &TMainForm::N13Click);
    addSeparator(H1, "N22");
    connect(addItem(H1, "N23", QStringLiteral("软件主页(&W)")), &QAction::triggered, this,
            &TMainForm::N23Click);
    connect(addItem(H1, "N24", QStringLiteral("联系作者(&E)")), &QAction::triggered, this,
            &TMainForm::N24Click);

    for (QAction* a : notYet) a->setEnabled(false);
}

void TMainForm::buildToolBar() {
    ToolBar1 = new QToolBar;
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(33);
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    struct Button {
        int group;
        const char* name;
        QString hint;
        const char* icon;
        void (TMainForm::*command)();
    };
    const Button buttons[] = {
        {1, "SpeedButton12", QStringLiteral("新建"), ":/icons/new.svg", &TMainForm::N3Click},
        {1, "SpeedButton11", QStringLiteral("打开"), ":/icons/open.svg", &TMainForm::O1Click},
        {1, "SpeedButton10", QStringLiteral("保存"), ":/icons/save.svg", &TMainForm::S1Click},
        {2, "SpeedButton6", QStringLiteral("打印"), ":/icons/print.svg", &TMainForm::P2Click},
        {3, "SpeedButton29", QStringLiteral("导入图片"), ":/icons/import-picture.svg", nullptr},
        {4, "SpeedButton9", QStringLiteral("剪切"), ":/icons/cut.svg", nullptr},
        {4, "SpeedButton8", QStringLiteral("复制"), ":/icons/copy.svg", nullptr},
        {4, "SpeedButton7", QStringLiteral("粘贴"), ":/icons/paste.svg", nullptr},
        {5, "SpeedButton4", QStringLiteral("访问软件主页"), ":/icons/home.svg", &TMainForm::N23Click},
        {5, "SpeedButton3", QStringLiteral("发EMAIL给作者"), ":/icons/mail.svg", &TMainForm::N24Click},
        {5, "SpeedButton2", QStringLiteral("帮助"), ":/icons/help.svg", &TMainForm::N13Click},
    };
    int group = 0;
    for (const Button& b : buttons) {
        if (b.group != group) {
            ToolBar1->addSeparator()->setObjectName(QStringLiteral("ToolSeparator%1").arg(b.group));
            group = b.group;
        }
        QToolButton* button = makeButton(ToolBar1, b.name, b.hint, b.icon);
        if (b.command)
            connect(button, &QToolButton::clicked, this, b.command);
        else
            button->setEnabled(false); // its command is not part of the program yet
        ToolBar1->addWidget(button);
    }
}

void TMainForm::buildPalette() {
    CoolBar1 = new QFrame;
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    CoolBar1->setFixedWidth(75);
    static_cast<QFrame*>(CoolBar1)->setFrameShape(QFrame::StyledPanel);
    m_palette = new QButtonGroup(this);
    m_palette->setObjectName(QStringLiteral("PaletteGroup"));
    m_palette->setExclusive(true);
    for (const ToolRow& row : toolTable()) {
        QToolButton* b = makeButton(CoolBar1, row.button, row.hint, row.icon);
        b->setCheckable(true);
        if (!row.caption.isEmpty()) {
            b->setText(row.caption);
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        b->move(3 + 32 * (row.column - 1), 2 + 32 * (row.row - 1));
        m_palette->addButton(b, int(row.id));
        const ToolId id = row.id;
        connect(b, &QToolButton::clicked, this, [this, id] { PaletteButtonClick(id); });
    }
    m_palette->button(int(ToolId::Select))->setChecked(true);

    SpeedButton17 = new QToolButton(CoolBar1);
    SpeedButton17->setObjectName(QStringLiteral("SpeedButton17"));
    SpeedButton17->setGeometry(19, 298, 30, 28);
    SpeedButton17->setText(QStringLiteral("画"));
    SpeedButton17->setToolTip(QStringLiteral("画笔文本 单击修改"));
    QFont brushFont(QStringLiteral("宋体"));
    brushFont.setPixelSize(13);
    SpeedButton17->setFont(brushFont);
    SpeedButton17->setStyleSheet(QStringLiteral("QToolButton { color: black; }"));
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    setWindowTitle(QStringLiteral("Runeboard(符阵画板) V2.0 "));
    m_cursors[ArrowCursor] = QCursor(Qt::ArrowCursor);
    for (const CursorResource& c : cursorResources())
        m_cursors[c.slot] = svgCursor(QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(c.name)));
    CurrentTool = int(ToolId::Select);
    NewDocWidth = 50;
    NewDocHeight = 50;
    createChild();
}

QCursor TMainForm::cursorForSlot(int slot) const {
    return slot >= 0 && slot < int(m_cursors.size()) ? m_cursors[slot] : QCursor(Qt::ArrowCursor);
}

TChildForm* TMainForm::createChild() {
    auto* child = new TChildForm(*this, brushCaption(), NewDocWidth, NewDocHeight);
    child->setWindowIcon(windowIcon());
    m_mdi->addSubWindow(child);
    child->scrollArea()->viewport()->installEventFilter(this);
    connect(child, &QObject::destroyed, this, &TMainForm::updateWindowActions, Qt::QueuedConnection);
    child->show();
    // The whole drawing where it fits, else as much of it as the frame has room for.
    const QSize room = m_mdi->viewport()->size();
    const QSize want = child->preferredSize();
    child->resize(std::min(want.width(), room.width()), std::min(want.height(), room.height()));
    m_mdi->setActiveSubWindow(child);
    updateWindowActions();
    return child;
}

TChildForm* TMainForm::activeChild() const {
    // currentSubWindow, unlike activeSubWindow, does not depend on the frame having the focus.
    return qobject_cast<TChildForm*>(m_mdi->currentSubWindow());
}

QList<TChildForm*> TMainForm::children() const {
    QList<TChildForm*> list;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (auto* child = qobject_cast<TChildForm*>(w)) list << child;
    return list;
}

QString TMainForm::statusText() const {
    return m_statusPanel->text();
}

void TMainForm::setStatusText(const QString& text) {
    m_statusPanel->setText(text);
}

QString TMainForm::brushCaption() const {
    return SpeedButton17->text();
}

void TMainForm::setBrushCaption(const QString& text) {
    SpeedButton17->setText(text);
}

void TMainForm::PaletteButtonClick(ToolId tool) {
    CurrentTool = int(tool);
    setStatusText(toolRow(tool).helpText);
}

void TMainForm::N18Click() {
    const bool on = !ToolBar1->isVisibleTo(this);
    N18->setChecked(on);
    ToolBar1->setVisible(on);
}

void TMainForm::N19Click() {
    const bool on = !CoolBar1->isVisibleTo(this);
    N19->setChecked(on);
    CoolBar1->setVisible(on);
}

void TMainForm::N29Click() {
    const bool on = !StatusBar1->isVisibleTo(this);
    N29->setChecked(on);
    StatusBar1->setVisible(on);
}

void TMainForm::updateWindowActions() {
    const bool any = !m_mdi->subWindowList().isEmpty();
    for (QAction* a : ActionList1->findChildren<QAction*>()) a->setEnabled(any);
}

void TMainForm::tileWindows(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (!w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect area = m_mdi->viewport()->rect();
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

void TMainForm::arrangeIcons() {
    // Minimised windows in rows along the bottom edge, left to right, wrapping upwards.
    const QRect area = m_mdi->viewport()->rect();
    int x = 0, rowBottom = area.height();
    for (QMdiSubWindow* w : m_mdi->subWindowList()) {
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

void TMainForm::minimizeAll() {
    for (QMdiSubWindow* w : m_mdi->subWindowList()) w->showMinimized();
}

void TMainForm::FormMouseWheelDown() {
    if (TChildForm* child = activeChild()) {
        QScrollBar* bar = child->verticalScrollBar();
        bar->setValue(bar->value() + kWheelScroll);
    }
}

void TMainForm::FormMouseWheelUp() {
    if (TChildForm* child = activeChild()) {
        QScrollBar* bar = child->verticalScrollBar();
        bar->setValue(bar->value() - kWheelScroll);
    }
}

bool TMainForm::handleWheel(QWheelEvent* event) {
    m_wheelRemainder += event->angleDelta().y();
    while (m_wheelRemainder <= -kWheelStep) {
        m_wheelRemainder += kWheelStep;
        FormMouseWheelDown();
    }
    while (m_wheelRemainder >= kWheelStep) {
        m_wheelRemainder -= kWheelStep;
        FormMouseWheelUp();
    }
    event->accept();
    return true;
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    handleWheel(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The drawing windows and the frame's client area leave the wheel to the frame.
    if (event->type() == QEvent::Wheel) return handleWheel(static_cast<QWheelEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::N13Click() {
    m_platform.openExternal(QUrl::fromLocalFile(m_platform.programDir() + links::kHelpPage));
}

void TMainForm::N23Click() {
    m_platform.openExternal(QUrl(links::kHomePage));
}

void TMainForm::N24Click() {
    m_platform.openExternal(QUrl(links::kContactMail));
}

void TMainForm::N14Click() {
    if (m_about) m_platform.execDialog(*m_about);
}

void TMainForm::setNewForm(TNewForm* form) {
    m_files->setNewForm(form);
}

void TMainForm::openFiles(const QStringList& paths) {
    for (const QString& path : paths) m_files->openFile(path);
}

bool TMainForm::saveDrawing(TChildForm& child) {
    return m_files->save(child);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Each drawing asks its own question; a Cancel (or a save that failed) stops the exit.
    for (TChildForm* child : children()) {
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::N1Click() {
    const bool any = activeChild() != nullptr;
    for (QAction* a : {S1, N4, P2}) a->setEnabled(any);
}

void TMainForm::N3Click() {
    m_files->newDrawing();
}

void TMainForm::O1Click() {
    m_files->open();
}

void TMainForm::S1Click() {
    if (TChildForm* child = activeChild()) m_files->save(*child);
}

void TMainForm::N4Click() {
    if (TChildForm* child = activeChild()) m_files->saveAs(*child);
}

void TMainForm::E2Click() {
    m_files->printerSetup();
}

void TMainForm::P2Click() {
    if (TChildForm* child = activeChild()) m_files->print(*child);
}

void TMainForm::E1Click() {
    const UndoMenuState state = undoMenuState(activeChild());
    U1->setText(state.undoCaption);
    U1->setEnabled(state.undoEnabled);
    N26->setText(state.repeatCaption);
    N26->setEnabled(state.repeatEnabled);
}

void TMainForm::U1Click() {
    TChildForm* child = activeChild();
    if (!undoMenuState(child).undoEnabled) return; // as the menu would have it: nothing to undo
    undoLastOperation(*child);
    child->ReDrawAll();
}

void TMainForm::N26Click() {
    TChildForm* child = activeChild();
    if (!undoMenuState(child).repeatEnabled) return;
    repeatLastOperation(*child);
    child->ReDrawAll();
}
