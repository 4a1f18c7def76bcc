// Main frame: construction and wiring.
#include "TMainForm.h"

#include "ArrivingFiles.h"
#include "CommandBinder.h"
#include "DrawingWindows.h"
#include "FrameCommands.h"
#include "FrameDialogs.h"
#include "FrameMenus.h"
#include "FrameSettings.h"
#include "FrameStatusBar.h"
#include "Icons.h"
#include "RecentFilesMenu.h"
#include "ToolButton.h"
#include "ToolPalette.h"
#include "UndoDepthMenu.h"
#include "core/commands/Command.h"
#include "core/text/BrushText.h"
#include "ui/dialogs/THBXZForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/dialogs/TTextForm.h"
#include "ui/document/TChildForm.h"
#include "ui/platform/UiPlatform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

TMainForm::TMainForm(UiPlatform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_recent(platform) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Runeboard"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/runeboard.svg")));
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    resize(624, 450);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* area = new QMdiArea;
    area->setObjectName(QStringLiteral("ClientArea"));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // What the drawings would like never makes the frame grow: the client area takes the room it is given.
    area->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    area->setMinimumSize(1, 1);
    m_windows = new DrawingWindows(*this, area, this);
    m_commands = new CommandBinder(this);
    m_commands->setObjectName(QStringLiteral("Commands"));
    m_frameCommands = std::make_unique<FrameCommands>(*this, m_platform);
    m_arriving = std::make_unique<ArrivingFiles>(
        m_platform, [this](const QString& path) { return m_files.openFile(path); },
        [this](const QString& path) { importPictureFile(path); }, [this] { createChild(); });

    CoolBar1 = new ToolPalette;
    connect(CoolBar1, &ToolPalette::toolChosen, this, &TMainForm::PaletteButtonClick);
    connect(CoolBar1, &ToolPalette::brushClicked, this, &TMainForm::SpeedButton17Click);
    StatusBar1 = new FrameStatusBar;
    setStatusBar(StatusBar1);
    FrameMenus::build(
        *menuBar(), *m_commands, *m_frameCommands, *m_windows,
        [this](QMenu* file) {
            return m_recentMenu = new RecentFilesMenu(
                       m_recent, [this](const QString& path) { m_files.openFile(path); }, file);
        },
        [this] { menuClosed(); }, new UndoDepthMenu(m_platform, this));
    ToolBar1 = new QToolBar;
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(33);
    ToolBar1->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    FrameMenus::buildToolBar(*ToolBar1, *m_commands);
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CoolBar1);
    layout->addWidget(area, 1);
    setCentralWidget(central);

    // Which drawing is active, or whether there is one, decides the enabling of most commands.
    connect(m_windows, &DrawingWindows::changed, this, [this] {
        m_commands->refresh();
        updateStatusLabels();
    });
    m_commands->refresh();
    m_settings = std::make_unique<FrameSettings>(
        m_platform, *this,
        QList<FrameSettings::View>{
            {"view/toolbar", m_commands->action(CommandId::ShowToolbar), ToolBar1},
            {"view/palette", m_commands->action(CommandId::ShowPalette), CoolBar1},
            {"view/statusbar", m_commands->action(CommandId::ShowStatusBar), StatusBar1}});
    m_settings->restore();
}

TMainForm::~TMainForm() {
    // The drawing windows go with the frame; nothing is to be updated for them on the way.
    disconnect(m_windows, nullptr, this, nullptr);
    for (TChildForm* child : children()) disconnect(child, nullptr, m_windows, nullptr);
}

void TMainForm::run(CommandId id) {
    m_commands->run(id);
}

void TMainForm::menuClosed() {
    // Decided once the menu is gone: moving to the next menu, or choosing an item, is not closing.
    QTimer::singleShot(0, this, [this] {
        if (QApplication::activePopupWidget()) return;
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus != menuBar()) return;
        if (TChildForm* child = activeChild()) child->takeKeyboardBack();
    });
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(m_shown, true)) FormShow();
}

void TMainForm::FormShow() {
    setWindowTitle(QStringLiteral("Runeboard(符阵画板) V" RUNEBOARD_VERSION " "));
    m_tool = ToolId::Select;
    m_newDocSize = {50, 50};
    m_arriving->openAtStart(std::exchange(m_startupFiles, {}), this);
}

QCursor TMainForm::cursorForSlot(int slot) const {
    if (slot <= ArrowCursor || slot >= int(m_cursors.size())) return QCursor(Qt::ArrowCursor);
    // A tool's cursor is drawn the first time that tool shows it: most runs use a few tools.
    std::optional<QCursor>& cursor = m_cursors[size_t(slot)];
    if (!cursor) {
        cursor = QCursor(Qt::ArrowCursor);
        for (const CursorResource& c : cursorResources())
            if (c.slot == slot)
                cursor = svgCursor(QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(c.name)));
    }
    return *cursor;
}

TChildForm* TMainForm::createChild() {
    TChildForm* child =
        m_windows->create(brushCaption(), m_tool, m_newDocSize.width(), m_newDocSize.height());
    child->setWindowIcon(windowIcon());
    return child;
}

Drawing* TMainForm::activeDrawing() const {
    TChildForm* child = activeChild();
    return child ? &child->drawing() : nullptr;
}

Drawing& TMainForm::createDrawing(int width, int height) {
    m_newDocSize = {width, height};
    return createChild()->drawing();
}

Drawing* TMainForm::showDrawingOf(const QString& path) {
    TChildForm* child = m_windows->showFileOf(path);
    return child ? &child->drawing() : nullptr;
}

Platform& TMainForm::platform() {
    return m_platform;
}

TChildForm* TMainForm::activeChild() const {
    return m_windows->active();
}

QList<TChildForm*> TMainForm::children() const {
    return m_windows->all();
}

QMdiArea* TMainForm::mdiArea() const {
    return m_windows->area();
}

QString TMainForm::statusText() const {
    return StatusBar1->text();
}

void TMainForm::setStatusText(const QString& text) {
    StatusBar1->setText(text);
}

QString TMainForm::brushCaption() const {
    return CoolBar1->brushCaption();
}

void TMainForm::setBrushCaption(const QString& text) {
    CoolBar1->setBrushCaption(text);
}

void TMainForm::PaletteButtonClick(ToolId tool) {
    m_tool = tool;
    m_windows->setToolOfAll(tool);
    setStatusText(toolRow(tool).helpText);
}

QWidget* TMainForm::barOf(CommandId view) const {
    switch (view) {
    case CommandId::ShowToolbar:
        return ToolBar1;
    case CommandId::ShowPalette:
        return CoolBar1;
    default:
        return StatusBar1;
    }
}

void TMainForm::toggleBar(CommandId view) {
    // The new state is the opposite of the check mark before the click.
    QWidget* bar = barOf(view);
    const bool on = !bar->isVisibleTo(this);
    m_commands->action(view)->setChecked(on);
    bar->setVisible(on);
}

void TMainForm::updateStatusLabels() {
    StatusBar1->showDrawing(activeChild());
}

void TMainForm::zoomChanged(TChildForm& child) {
    if (&child != activeChild()) return;
    updateStatusLabels();
    m_commands->refresh();
}

void TMainForm::fileOpened(const QString& path) {
    m_recent.add(path);
    updateStatusLabels();
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    m_windows->wheel(event);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (ArrivingFiles::accepts(*event->mimeData())) event->acceptProposedAction();
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    m_arriving->drop(*event->mimeData(), this);
}

void TMainForm::setDialogs(std::unique_ptr<FrameDialogs> dialogs) {
    m_dialogs = std::move(dialogs);
    m_frameCommands->setDialogs(m_dialogs.get());
    m_commands->refresh();
}

void TMainForm::openFiles(const QStringList& paths) {
    for (const QString& path : paths) m_files.openFile(path);
}

void TMainForm::openTextBanner(TChildForm& child, QPoint cell) {
    if (m_dialogs) m_dialogs->text().openFor(child.drawing(), &child, cell);
}

void TMainForm::importPicture() {
    if (!m_dialogs) return;
    TPictureForm& form = m_dialogs->picture();
    form.PictureBrushText = brushCaption();
    TChildForm* target = activeChild();
    form.TargetDrawing = target ? &target->drawing() : nullptr;
    form.TargetWindow = target;
    m_platform.execDialog(form);
}

void TMainForm::importPictureFile(const QString& path) {
    if (m_dialogs && m_dialogs->picture().loadFile(path)) importPicture();
}

void TMainForm::SpeedButton17Click() {
    if (!m_dialogs) return;
    THBXZForm& form = m_dialogs->brush();
    form.Edit1->setText(brushCaption());
    m_platform.execDialog(form);
    if (form.Confirmed != 1) return;
    setBrushCaption(form.Edit1->text());
    // Only the active drawing takes it; others keep their own, new ones start with the caption.
    if (TChildForm* child = activeChild()) setBrushText(child->drawing(), brushCaption());
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
    m_settings->save();
    QMainWindow::closeEvent(event);
}
