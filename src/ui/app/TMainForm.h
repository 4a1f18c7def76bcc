// The main frame: toolbar, tool palette, menus, status bar and the area that holds
// the drawing windows. It constructs and wires; the commands are objects made from
// one table, the drawing windows, drops and settings are classes of their own.
#pragma once

#include "CommandTable.h"
#include "core/commands/DrawingHost.h"
#include "core/commands/FileCommands.h"
#include "core/commands/RecentFiles.h"
#include "core/tools/ToolTable.h"
#include "ui/document/ChildHost.h"

#include <QCursor>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class CommandBinder;
class DrawingWindows;
class FrameCommands;
class FrameDialogs;
class ArrivingFiles;
class FrameSettings;
class FrameStatusBar;
class QMdiArea;
class QToolBar;
class RecentFilesMenu;
class TChildForm;
class ToolPalette;
class UiPlatform;

class TMainForm : public QMainWindow, public ChildHost, public DrawingHost {
    Q_OBJECT
public:
    explicit TMainForm(UiPlatform& platform, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs the frame and its commands show, made as they are first needed.
    void setDialogs(std::unique_ptr<FrameDialogs> dialogs);
    FrameDialogs& dialogs() { return *m_dialogs; }

    // Opens files as if each was chosen in the Open dialog.
    void openFiles(const QStringList& paths);
    // Files named on the command line: opened once the frame is up, in place of the empty
    // start-up drawing unless none of them opens; the first picture among them opens the
    // import dialog.
    void setStartupFiles(const QStringList& paths) { m_startupFiles = paths; }
    // Runs a command as its menu item would, if it can run now.
    void run(CommandId id);

    // ChildHost and DrawingHost
    Platform& platform() override;
    bool saveDrawing(TChildForm& child) override;
    void openTextBanner(TChildForm& child, QPoint cell) override;
    Drawing* activeDrawing() const override;
    Drawing& createDrawing(int width, int height) override;
    void fileOpened(const QString& path) override;
    Drawing* showDrawingOf(const QString& path) override;
    void setStatusText(const QString& text) override;
    void setBrushCaption(const QString& text) override;
    void zoomChanged(TChildForm& child) override;
    // The cursor of a slot, made when first shown; the arrow for slot 0.
    QCursor cursorForSlot(int slot) const override;

    // The tool chosen on the palette, and the size the next new drawing takes.
    ToolId currentTool() const { return m_tool; }
    QSize newDocSize() const { return m_newDocSize; }
    void setNewDocSize(QSize size) { m_newDocSize = size; }

    // The active drawing window, or nullptr; all of them; a new one of newDocSize(), shown.
    TChildForm* activeChild() const;
    QList<TChildForm*> children() const;
    TChildForm* createChild();

    QString statusText() const;
    // The active drawing's zoom and encoding in the status bar.
    void updateStatusLabels();
    QString brushCaption() const;
    QMdiArea* mdiArea() const;

    // What the commands work with.
    FileCommands& files() { return m_files; }
    DrawingWindows& windows() { return *m_windows; }
    void importPicture();
    // The View menu's choices: the bar's visibility the opposite of what it was.
    void toggleBar(CommandId view);

protected:
    void showEvent(QShowEvent* event) override;
    // Asks about every modified drawing first; any Cancel keeps the program open.
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormShow();
    void SpeedButton17Click(); // the brush chooser
    void PaletteButtonClick(ToolId tool);
    // After a menu closed with Esc, the menu bar keeps the keyboard; an open edit box takes it back.
    void menuClosed();
    // The import dialog with the picture file already loaded; nothing when it cannot be loaded.
    void importPictureFile(const QString& path);
    QWidget* barOf(CommandId view) const;

    UiPlatform& m_platform;
    FileCommands m_files{*this};
    RecentFiles m_recent;
    RecentFilesMenu* m_recentMenu = nullptr;
    CommandBinder* m_commands = nullptr;
    std::unique_ptr<FrameCommands> m_frameCommands;
    DrawingWindows* m_windows = nullptr;
    std::unique_ptr<ArrivingFiles> m_arriving;
    std::unique_ptr<FrameSettings> m_settings;
    std::unique_ptr<FrameDialogs> m_dialogs;
    QToolBar* ToolBar1 = nullptr;
    ToolPalette* CoolBar1 = nullptr;
    FrameStatusBar* StatusBar1 = nullptr;
    mutable std::array<std::optional<QCursor>, 8> m_cursors;
    ToolId m_tool = ToolId::Select;
    QSize m_newDocSize{50, 50};
    QStringList m_startupFiles;
    bool m_shown = false;
};
