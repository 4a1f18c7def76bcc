// Main frame: construction, wiring, palette, View and Window menus, Help.
#include "TMainForm.h"

#include "CommandBinder.h"
#include "ExportPicture.h"
#include "Icons.h"
#include "Links.h"
#include "NewCommand.h"
#include "RecentFilesMenu.h"
#include "core/commands/EditCommands.h"
#include "core/commands/FunctionCommand.h"
#include "core/commands/UndoRepeat.h"
#include "core/text/BrushText.h"
#include "core/text/ClipboardText.h"
#include "ui/dialogs/TAboutForm.h"
#include "ui/dialogs/TExportForm.h"
#include "ui/dialogs/THBXZForm.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/dialogs/TNewForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/dialogs/TTextForm.h"
#include "ui/document/TChildForm.h"
#include "ui/platform/UiPlatform.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
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

// What can be dropped on the frame or named on the command line besides text: the pictures
// the import dialog reads.
bool isPictureFile(const QString& path) {
    static const QStringList kSuffixes{QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("jpe"),
                                       QStringLiteral("jfif"), QStringLiteral("bmp"),  QStringLiteral("dib"),
                                       QStringLiteral("ico"),  QStringLiteral("png"),  QStringLiteral("gif"),
                                       QStringLiteral("svg"),  QStringLiteral("svgz")};
    return kSuffixes.contains(QFileInfo(path).suffix().toLower());
}

bool isTextFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

} // namespace

TMainForm::TMainForm(UiPlatform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_recent(platform), m_printing(platform) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Runeboard"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/runeboard.svg")));
    setAcceptDrops(true);
    resize(624, 450);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }

    m_commands = new CommandBinder(this);
    m_commands->setObjectName(QStringLiteral("Commands"));
    // The standard window actions act on the client area, which the menus need first.
    m_mdi = new QMdiArea;
    buildMenus();
    buildToolBar();

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildPalette();
    layout->addWidget(CoolBar1);
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->installEventFilter(this);
    // What the drawings would like never makes the frame grow: the client area takes the room it is given.
    m_mdi->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_mdi->setMinimumSize(1, 1);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19 + 4);
    m_statusPanel = new QLabel;
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusBar1->addWidget(m_statusPanel, 1);
    // Which encoding the active drawing's file is read and written in.
    m_encodingLabel = new QLabel;
    m_encodingLabel->setObjectName(QStringLiteral("EncodingLabel"));
    m_encodingLabel->setToolTip(QStringLiteral("当前画板文件的编码"));
    StatusBar1->addPermanentWidget(m_encodingLabel);
    setStatusBar(StatusBar1);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TMainForm::updateWindowActions);
    updateWindowActions();
    restoreSettings();
}

void TMainForm::restoreSettings() {
    // The first start keeps the frame's own size, centred.
    const QByteArray geometry = m_platform.setting(QStringLiteral("window/geometry")).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    const struct {
        const char* key;
        QAction* item;
        QWidget* bar;
    } views[] = {{"view/toolbar", N18, ToolBar1},
                 {"view/palette", N19, CoolBar1},
                 {"view/statusbar", N29, StatusBar1}};
    for (const auto& v : views) {
        const QVariant on = m_platform.setting(QLatin1String(v.key));
        if (!on.isValid()) continue;
        v.item->setChecked(on.toBool());
        v.bar->setVisible(on.toBool());
    }
}

void TMainForm::saveSettings() {
    m_platform.setSetting(QStringLiteral("window/geometry"), saveGeometry());
    m_platform.setSetting(QStringLiteral("view/toolbar"), N18->isChecked());
    m_platform.setSetting(QStringLiteral("view/palette"), N19->isChecked());
    m_platform.setSetting(QStringLiteral("view/statusbar"), N29->isChecked());
}

TMainForm::~TMainForm() {
    // The drawing windows go with the frame; nothing is to be updated for them on the way.
    disconnect(m_mdi, nullptr, this, nullptr);
    for (TChildForm* child : children()) disconnect(child, nullptr, this, nullptr);
}

QAction* TMainForm::addItem(QMenu* menu, const char* name, const QString& caption,
                            std::unique_ptr<Command> command, const QKeySequence& shortcut) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    if (command) m_commands->bind(a, std::move(command));
    return a;
}

void TMainForm::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

namespace {

std::unique_ptr<Command> always(std::function<void()> run) {
    return std::make_unique<FunctionCommand>(std::move(run));
}

} // namespace

void TMainForm::menuClosed() {
    // Decided once the menu is gone: moving to the next menu, or choosing an item, is not closing.
    QTimer::singleShot(0, this, [this] {
        if (QApplication::activePopupWidget()) return;
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus != menuBar()) return;
        if (TChildForm* child = activeChild()) child->takeKeyboardBack();
    });
}

void TMainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [&](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
        connect(m, &QMenu::aboutToHide, this, &TMainForm::menuClosed);
        return m;
    };
    auto onDrawing = [this](DrawingCommand::Run run) {
        return std::make_unique<DrawingCommand>(*this, std::move(run));
    };

    QMenu* N1 = menu("N1", QStringLiteral("文件(&F)"));
    auto newCommand = std::make_unique<NewCommand>(*this, m_platform);
    m_new = newCommand.get();
    addItem(N1, "N3", QStringLiteral("新建(&N)"), std::move(newCommand), QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(N1, "O1", QStringLiteral("打开(&O)"), always([this] { m_files.open(); }),
            QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recentMenu = new RecentFilesMenu(
        m_recent, [this](const QString& path) { m_files.openFile(path); }, N1);
    N1->addMenu(m_recentMenu);
    addItem(N1, "N17", QStringLiteral("导入图片(&D)"), always([this] { importPicture(); }));
    addSeparator(N1, "N6");
    addItem(N1, "S1", QStringLiteral("保存(&S)"), onDrawing([this](Drawing& d) { m_files.save(d); }),
            QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(N1, "N4", QStringLiteral("另存为(&A)"), onDrawing([this](Drawing& d) {
                m_files.saveAs(d);
                updateEncodingLabel();
            }));
    addItem(N1, "ReopenEncoding1", QStringLiteral("以 UTF-8 重新打开(&R)"),
            std::make_unique<DrawingCommand>(
                *this,
                [this](Drawing& d) {
                    m_files.reopenInOtherEncoding(d);
                    updateEncodingLabel();
                },
                [](const Drawing& d) { return !d.FileName.isEmpty(); },
                [](const Drawing* d) {
                    return QStringLiteral("以 %1 重新打开(&R)")
                        .arg(d && isUtf8(d->Encoding) ? QStringLiteral("GBK") : QStringLiteral("UTF-8"));
                }));
    addItem(N1, "ExportPicture1", QStringLiteral("导出图片…"),
            std::make_unique<DrawingCommand>(
                *this, [this](Drawing& d) { m_export->run(d); },
                [this](const Drawing&) { return m_export != nullptr; }));
    addSeparator(N1, "N5");
    addItem(N1, "E2", QStringLiteral("打印设置(&E)"), always([this] { m_printing.setup(); }));
    addItem(N1, "P2", QStringLiteral("打印(&P)"), onDrawing([this](Drawing& d) { m_printing.print(d); }),
            QKeySequence(Qt::CTRL | Qt::Key_P));
    addSeparator(N1, "N15");
    addItem(N1, "Q1", QStringLiteral("退出(&X)"), always([this] { close(); }));
    connect(N1, &QMenu::aboutToShow, this, &TMainForm::N1Click);

    QMenu* E1 = menu("E1", QStringLiteral("编辑(&E)"));
    addItem(E1, "U1", QStringLiteral("撤消(&U)"), makeUndoCommand(*this), QKeySequence(Qt::CTRL | Qt::Key_Z));
    addItem(E1, "N26", QStringLiteral("重复(&R)"), makeRepeatCommand(*this), QKeySequence(Qt::Key_F4));
    addSeparator(E1, "N7");
    auto onSelection = [this](DrawingCommand::Run run) {
        return std::make_unique<DrawingCommand>(*this, std::move(run), edit::hasSelection);
    };
    addItem(E1, "C1", QStringLiteral("剪切(&T)"),
            onSelection([this](Drawing& d) { edit::cut(d, m_platform); }),
            QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(E1, "C2", QStringLiteral("复制(&C)"),
            onSelection([this](Drawing& d) { edit::copy(d, m_platform); }),
            QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(E1, "P1", QStringLiteral("粘贴(&P)"),
            std::make_unique<DrawingCommand>(
                *this,
                [this](Drawing& d) {
                    if (edit::paste(d, m_platform) == edit::PasteResult::TooLarge)
                        m_platform.messageBox(
                            QStringLiteral("剪贴板中的文字太长（超过 %1 万个字符），无法粘贴。")
                                .arg(kClipboardMaxChars / 10000),
                            QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
                },
                [this](const Drawing&) { return m_platform.clipboardHasText(); }),
            QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem(E1, "L1", QStringLiteral("删除(&D)"), onSelection(edit::remove), QKeySequence(Qt::Key_Delete));
    addSeparator(E1, "N20");
    addItem(E1, "A1", QStringLiteral("全选(&A)"), onDrawing(edit::selectAll),
            QKeySequence(Qt::CTRL | Qt::Key_A));
    addItem(E1, "N27", QStringLiteral("不选(&N)"), onSelection(edit::selectNone));
    addItem(E1, "N21", QStringLiteral("清空(&L)"), onDrawing(edit::clear));
    connect(E1, &QMenu::aboutToShow, this, &TMainForm::E1Click);

    QMenu* N2 = menu("N2", QStringLiteral("视图(&V)"));
    N18 = addItem(N2, "N18", QStringLiteral("标准工具栏(&S)"), always([this] { toggleBar(N18, ToolBar1); }));
    N19 = addItem(N2, "N19", QStringLiteral("作图工具箱(&T)"), always([this] { toggleBar(N19, CoolBar1); }));
    N29 = addItem(N2, "N29", QStringLiteral("状态栏(&Z)"), always([this] { toggleBar(N29, StatusBar1); }));
    for (QAction* a : {N18, N19, N29}) {
        a->setCheckable(true);
        a->setChecked(true);
    }

    // The frame's standard window actions, enabled while a drawing exists; the Window menu's items are
    // bound to them.
    ActionList1 = new QObject(this);
    ActionList1->setObjectName(QStringLiteral("ActionList1"));
    auto windowAction = [&](const char* name, std::function<void()> run) {
        auto* a = new QAction(ActionList1);
        a->setObjectName(QLatin1String(name));
        m_commands->bind(a, std::make_unique<FunctionCommand>(
                                std::move(run), [this] { return !m_mdi->subWindowList().isEmpty(); }));
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
        QAction* item = addItem(N8, w.item, w.caption, nullptr);
        QAction* action = w.action;
        connect(item, &QAction::triggered, action, &QAction::trigger);
        connect(action, &QAction::changed, item, [item, action] { item->setEnabled(action->isEnabled()); });
        item->setEnabled(action->isEnabled());
    }
    connect(N8, &QMenu::aboutToShow, this, [this, N8] {
        updateWindowActions();
        listDrawings(N8);
    });

    QMenu* H1 = menu("H1", QStringLiteral("帮助(&H)"));
    addItem(H1, "N14", QStringLiteral("关于(&A)"), always([this] {
                if (m_about) m_platform.execDialog(*m_about);
            }));
    addItem(H1, "N13", QStringLiteral("帮助(&H)"), always([this] { showHelp(); }));
    addSeparator(H1, "N22");
    addItem(H1, "N23", QStringLiteral("软件主页(&W)"), always([this] {
                openLink(links::kHomePage, QStringLiteral("系统无法打开软件主页，请在浏览器中访问：\n%1"));
            }));
    addItem(H1, "N24", QStringLiteral("联系作者(&E)"), always([this] {
                openLink(links::kContactMail, QStringLiteral("系统无法打开电子邮件程序，请写信到：\n%1"));
            }));
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
        const char* command; // the menu item whose command the button runs
        bool built;          // false: its command is not part of the program yet
    };
    const Button buttons[] = {
        {1, "SpeedButton12", QStringLiteral("新建"), ":/icons/new.svg", "N3", true},
        {1, "SpeedButton11", QStringLiteral("打开"), ":/icons/open.svg", "O1", true},
        {1, "SpeedButton10", QStringLiteral("保存"), ":/icons/save.svg", "S1", true},
        {2, "SpeedButton6", QStringLiteral("打印"), ":/icons/print.svg", "P2", true},
        {3, "SpeedButton29", QStringLiteral("导入图片"), ":/icons/import-picture.svg", "N17", true},
        {4, "SpeedButton9", QStringLiteral("剪切"), ":/icons/cut.svg", "C1", true},
        {4, "SpeedButton8", QStringLiteral("复制"), ":/icons/copy.svg", "C2", true},
        {4, "SpeedButton7", QStringLiteral("粘贴"), ":/icons/paste.svg", "P1", true},
        {5, "SpeedButton4", QStringLiteral("访问软件主页"), ":/icons/home.svg", "N23", true},
        {5, "SpeedButton3", QStringLiteral("发EMAIL给作者"), ":/icons/mail.svg", "N24", true},
        {5, "SpeedButton2", QStringLiteral("帮助"), ":/icons/help.svg", "N13", true},
    };
    int group = 0;
    for (const Button& b : buttons) {
        if (b.group != group) {
            ToolBar1->addSeparator()->setObjectName(QStringLiteral("ToolSeparator%1").arg(b.group));
            group = b.group;
        }
        QToolButton* button = makeButton(ToolBar1, b.name, b.hint, b.icon);
        m_commands->bindButton(button, QLatin1String(b.command));
        button->setEnabled(b.built);
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
    connect(SpeedButton17, &QToolButton::clicked, this, &TMainForm::SpeedButton17Click);
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
    // Files named on the command line take the place of the empty start-up drawing. A picture
    // is for the import dialog, as on a drop, and one at a time; its result needs a drawing.
    QStringList texts, pictures;
    for (const QString& path : std::exchange(m_startupFiles, {}))
        (isPictureFile(path) ? pictures : texts) << QFileInfo(path).absoluteFilePath();
    if (texts.isEmpty()) {
        createChild();
        if (pictures.isEmpty()) return;
    }
    // Once the frame is up, so that what a file lost, or the dialog, is told over it.
    QMetaObject::invokeMethod(
        this,
        [this, texts, pictures] {
            int opened = 0;
            for (const QString& path : texts) opened += m_files.openFile(path);
            if (!texts.isEmpty() && opened == 0) createChild();
            if (pictures.isEmpty()) return;
            if (pictures.size() > 1) {
                QStringList names;
                for (const QString& p : pictures.mid(1)) names << QDir::toNativeSeparators(p);
                m_platform.messageBox(QStringLiteral("一次只导入一张图片，没有导入：\n\n· %1")
                                          .arg(names.join(QStringLiteral("\n· "))),
                                      QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
            }
            importPictureFile(pictures.first());
        },
        Qt::QueuedConnection);
}

QCursor TMainForm::cursorForSlot(int slot) const {
    return slot >= 0 && slot < int(m_cursors.size()) ? m_cursors[slot] : QCursor(Qt::ArrowCursor);
}

TChildForm* TMainForm::createChild() {
    auto* child = new TChildForm(*this, brushCaption(), NewDocWidth, NewDocHeight);
    child->tools().setTool(currentTool());
    child->setWindowIcon(windowIcon());
    m_mdi->addSubWindow(child);
    child->scrollArea()->viewport()->installEventFilter(this);
    connect(child, &QObject::destroyed, this, &TMainForm::updateWindowActions, Qt::QueuedConnection);
    const QMdiSubWindow* current = m_mdi->currentSubWindow();
    const bool maximised = current && current->isMaximized();
    if (maximised) {
        // While one drawing fills the frame, the next one does too.
        child->showMaximized();
    } else {
        child->show();
        placeChild(child);
    }
    m_mdi->setActiveSubWindow(child);
    updateWindowActions();
    return child;
}

void TMainForm::placeChild(TChildForm* child) {
    // The whole drawing where it fits, else as much of it as the frame has room for, cascading from the
    // top left by a title bar's height and starting again at the corner before a window would leave the
    // frame.
    const QSize room = m_mdi->viewport()->size();
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

Drawing* TMainForm::activeDrawing() const {
    TChildForm* child = activeChild();
    return child ? &child->drawing() : nullptr;
}

Drawing& TMainForm::createDrawing(int width, int height) {
    NewDocWidth = width;
    NewDocHeight = height;
    return createChild()->drawing();
}

Drawing* TMainForm::showDrawingOf(const QString& path) {
    // The same file by any name: a link, or another spelling of the folders.
    const QFileInfo wanted(path);
    const QString canonical = wanted.canonicalFilePath();
    for (TChildForm* child : children()) {
        if (child->drawing().FileName.isEmpty()) continue;
        const QFileInfo held(child->drawing().FileName);
        const bool same = canonical.isEmpty() ? held.absoluteFilePath() == wanted.absoluteFilePath()
                                              : held.canonicalFilePath() == canonical;
        if (!same) continue;
        if (child->isMinimized()) child->showNormal();
        m_mdi->setActiveSubWindow(child);
        return &child->drawing();
    }
    return nullptr;
}

Platform& TMainForm::platform() {
    return m_platform;
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
    for (TChildForm* child : children()) child->tools().setTool(tool);
    setStatusText(toolRow(tool).helpText);
}

void TMainForm::toggleBar(QAction* item, QWidget* bar) {
    // The new state is the opposite of the check mark before the click.
    const bool on = !bar->isVisibleTo(this);
    item->setChecked(on);
    bar->setVisible(on);
}

void TMainForm::updateWindowActions() {
    // Which drawing is active, or whether there is one, decides the enabling of most commands.
    m_commands->refresh();
    updateEncodingLabel();
}

void TMainForm::updateEncodingLabel() {
    m_encodingLabel->setText(encodingText());
}

QString TMainForm::encodingText() const {
    const TChildForm* child = activeChild();
    return child ? encodingName(child->drawing().Encoding) : QString();
}

void TMainForm::fileOpened(const QString& path) {
    m_recent.add(path);
    updateEncodingLabel();
}

void TMainForm::listDrawings(QMenu* menu) {
    // The open drawings below the window commands, the active one checked.
    for (QAction* a : m_drawingItems) {
        menu->removeAction(a);
        a->deleteLater();
    }
    m_drawingItems.clear();
    const QList<TChildForm*> drawings = children();
    if (drawings.isEmpty()) return;
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    separator->setObjectName(QStringLiteral("WindowListSeparator"));
    m_drawingItems << separator;
    const TChildForm* active = activeChild();
    for (qsizetype i = 0; i < drawings.size(); ++i) {
        TChildForm* child = drawings[i];
        const QString title = child->windowTitle();
        auto* item = new QAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title, menu);
        item->setObjectName(QStringLiteral("WindowItem%1").arg(i + 1));
        item->setCheckable(true);
        item->setChecked(child == active);
        connect(item, &QAction::triggered, this, [this, guard = QPointer<TChildForm>(child)] {
            if (!guard) return;
            if (guard->isMinimized()) guard->showNormal();
            m_mdi->setActiveSubWindow(guard);
        });
        m_drawingItems << item;
    }
    menu->addActions(m_drawingItems);
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
    const QPoint delta = event->angleDelta();
    // Shift turns the wheel sideways, as does a wheel that tilts.
    const bool sideways =
        (event->modifiers() & Qt::ShiftModifier) || std::abs(delta.x()) > std::abs(delta.y());
    if (!sideways) {
        m_wheelRemainder += delta.y();
        while (m_wheelRemainder <= -kWheelStep) {
            m_wheelRemainder += kWheelStep;
            FormMouseWheelDown();
        }
        while (m_wheelRemainder >= kWheelStep) {
            m_wheelRemainder -= kWheelStep;
            FormMouseWheelUp();
        }
    } else {
        // Some systems report Shift and the wheel as a sideways turn already.
        m_sidewaysRemainder += delta.x() != 0 ? delta.x() : delta.y();
        const int steps = m_sidewaysRemainder / kWheelStep;
        m_sidewaysRemainder -= steps * kWheelStep;
        if (TChildForm* child = activeChild(); child && steps != 0) {
            QScrollBar* bar = child->horizontalScrollBar();
            bar->setValue(bar->value() - steps * kWheelScroll);
        }
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

void TMainForm::setExportForm(TExportForm* form) {
    m_export = std::make_unique<ExportPicture>(m_platform, *form);
    m_commands->refresh();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Anything is taken in; what cannot be used is told on the drop.
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) event->acceptProposedAction();
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    const QString kinds = QStringLiteral("只能放入文本文件（.txt）或图片（JPEG、BMP、ICO、PNG、GIF、SVG）。");
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) {
        m_platform.messageBox(QStringLiteral("这里%1").arg(kinds), QStringLiteral("Runeboard"),
                              MessageButtons::Ok, MessageKind::Warning);
        return;
    }
    QStringList texts, pictures, refused;
    for (const QUrl& url : urls) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        if (isTextFile(path))
            texts << path;
        else if (isPictureFile(path) && pictures.isEmpty())
            pictures << path;
        else if (isPictureFile(path))
            refused << QStringLiteral("%1（一次只导入一张图片）").arg(QDir::toNativeSeparators(path));
        else
            refused << (path.isEmpty() ? url.toDisplayString() : QDir::toNativeSeparators(path));
    }
    // The user may be dragging from another program: answer after the drop has finished.
    QMetaObject::invokeMethod(
        this,
        [this, texts, pictures, refused, kinds] {
            openFiles(texts);
            if (!refused.isEmpty())
                m_platform.messageBox(QStringLiteral("无法打开拖入的文件：\n\n· %1\n\n%2")
                                          .arg(refused.join(QStringLiteral("\n· ")), kinds),
                                      QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
            if (!pictures.isEmpty()) importPictureFile(pictures.first());
        },
        Qt::QueuedConnection);
}

void TMainForm::setNewForm(TNewForm* form) {
    m_new->setForm(form);
    m_commands->refresh();
}

void TMainForm::openFiles(const QStringList& paths) {
    for (const QString& path : paths) m_files.openFile(path);
}

void TMainForm::setPictureForm(TPictureForm* form) {
    m_pictureForm = form;
    form->setStatusSink([this](const QString& text) { setStatusText(text); });
}

void TMainForm::setTextForm(TTextForm* form) {
    m_textForm = form;
    form->setStatusSink([this](const QString& text) { setStatusText(text); });
}

void TMainForm::openTextBanner(TChildForm& child, QPoint cell) {
    if (m_textForm) m_textForm->openFor(child.drawing(), &child, cell);
}

void TMainForm::importPicture() {
    if (!m_pictureForm) return;
    TPictureForm& form = *m_pictureForm;
    form.PictureBrushText = brushCaption();
    TChildForm* target = activeChild();
    form.TargetDrawing = target ? &target->drawing() : nullptr;
    form.TargetWindow = target;
    m_platform.execDialog(form);
}

void TMainForm::importPictureFile(const QString& path) {
    if (m_pictureForm && m_pictureForm->loadFile(path)) importPicture();
}

void TMainForm::N17Click() {
    m_commands->run(QStringLiteral("N17"));
}

void TMainForm::SpeedButton17Click() {
    if (!m_brushForm) return;
    THBXZForm& form = *m_brushForm;
    form.Edit1->setText(brushCaption());
    m_platform.execDialog(form);
    if (form.Confirmed != 1) return;
    setBrushCaption(form.Edit1->text());
    // Only the active drawing takes it; others keep their own, new ones start with the caption.
    if (TChildForm* child = activeChild()) setBrushText(child->drawing(), brushCaption());
}

void TMainForm::setStartupFiles(const QStringList& paths) {
    m_startupFiles = paths;
}

void TMainForm::openLink(const QString& address, const QString& failure) {
    const QUrl url(address);
    if (m_platform.openExternal(url)) return;
    const QString shown = url.scheme() == QLatin1String("mailto") ? url.path() : address;
    m_platform.messageBox(failure.arg(shown), QStringLiteral("Runeboard"), MessageButtons::Ok,
                          MessageKind::Warning);
}

void TMainForm::showHelp() {
    const QString page = m_platform.programDir() + links::kHelpPage;
    if (!m_help) m_help = new THelpForm(m_platform, this);
    if (!m_help->showPage(page))
        m_platform.messageBox(QStringLiteral("找不到帮助文件“%1”。").arg(QDir::toNativeSeparators(page)),
                              QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
}

bool TMainForm::saveDrawing(TChildForm& child) {
    return m_files.save(child.drawing());
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Each drawing asks its own question; a Cancel (or a save that failed) stops the exit.
    for (TChildForm* child : children()) {
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    saveSettings();
    QMainWindow::closeEvent(event);
}

void TMainForm::N1Click() {
    m_commands->refresh(findChild<QMenu*>(QStringLiteral("N1")));
}

void TMainForm::E1Click() {
    m_commands->refresh(findChild<QMenu*>(QStringLiteral("E1")));
}

// The named handlers run the commands their menu items are bound to.
void TMainForm::N3Click() {
    m_commands->run(QStringLiteral("N3"));
}

void TMainForm::O1Click() {
    m_commands->run(QStringLiteral("O1"));
}

void TMainForm::S1Click() {
    m_commands->run(QStringLiteral("S1"));
}

void TMainForm::N4Click() {
    m_commands->run(QStringLiteral("N4"));
}

void TMainForm::E2Click() {
    m_commands->run(QStringLiteral("E2"));
}

void TMainForm::P2Click() {
    m_commands->run(QStringLiteral("P2"));
}

void TMainForm::U1Click() {
    m_commands->run(QStringLiteral("U1"));
}

void TMainForm::N26Click() {
    m_commands->run(QStringLiteral("N26"));
}

void TMainForm::N13Click() {
    m_commands->run(QStringLiteral("N13"));
}

void TMainForm::N14Click() {
    m_commands->run(QStringLiteral("N14"));
}

void TMainForm::N18Click() {
    m_commands->run(QStringLiteral("N18"));
}

void TMainForm::N19Click() {
    m_commands->run(QStringLiteral("N19"));
}

void TMainForm::N29Click() {
    m_commands->run(QStringLiteral("N29"));
}

void TMainForm::N23Click() {
    m_commands->run(QStringLiteral("N23"));
}

void TMainForm::N24Click() {
    m_commands->run(QStringLiteral("N24"));
}
