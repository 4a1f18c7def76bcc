// The main frame: toolbar, tool palette, menus, status bar and the area that
// holds the drawing windows. It constructs, wires and delegates; the commands
// themselves are objects bound to the menu items and toolbar buttons.
#pragma once

#include "core/commands/DrawingHost.h"
#include "core/commands/FileCommands.h"
#include "core/commands/RecentFiles.h"
#include "core/tools/ToolTable.h"
#include "ui/app/Printing.h"
#include "ui/document/ChildHost.h"

#include <QCursor>
#include <QMainWindow>

#include <array>
#include <memory>

class CommandBinder;
class Command;
class NewCommand;
class QAction;
class QButtonGroup;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;
class RecentFilesMenu;
class TAboutForm;
class THBXZForm;
class THelpForm;
class TPictureForm;
class TTextForm;
class TChildForm;
class TNewForm;
class TExportForm;
class ExportPicture;
class UiPlatform;

class TMainForm : public QMainWindow, public ChildHost, public DrawingHost {
    Q_OBJECT
public:
    explicit TMainForm(UiPlatform& platform, QWidget* parent = nullptr);
    ~TMainForm() override;

    void setAboutForm(TAboutForm* form) { m_about = form; }
    void setBrushForm(THBXZForm* form) { m_brushForm = form; }
    void setPictureForm(TPictureForm* form);
    void setTextForm(TTextForm* form);
    void openTextBanner(TChildForm& child, QPoint cell) override;
    void setNewForm(TNewForm* form);
    void setExportForm(TExportForm* form);

    // Opens files as if each was chosen in the Open dialog.
    void openFiles(const QStringList& paths);
    // Files named on the command line: opened when the frame is first shown, in place of the
    // empty start-up drawing unless none of them opens; the first picture among them opens
    // the import dialog once the frame is up.
    void setStartupFiles(const QStringList& paths);

    // ChildHost and DrawingHost
    Platform& platform() override;
    bool saveDrawing(TChildForm& child) override;
    Drawing* activeDrawing() const override;
    Drawing& createDrawing(int width, int height) override;
    void fileOpened(const QString& path) override;
    Drawing* showDrawingOf(const QString& path) override;

    int CurrentTool = 0;
    int NewDocWidth = 50;
    int NewDocHeight = 50;

    // The active drawing window, or nullptr.
    TChildForm* activeChild() const;
    QList<TChildForm*> children() const;
    // Creates a drawing window of NewDocWidth x NewDocHeight and shows it.
    TChildForm* createChild();

    QString statusText() const;
    // The active drawing's encoding as the status bar shows it; empty without a drawing.
    QString encodingText() const;
    void setStatusText(const QString& text) override;
    QString brushCaption() const;
    void setBrushCaption(const QString& text) override;
    // The cursor loaded into a slot at start-up; the arrow for slot 0.
    QCursor cursorForSlot(int slot) const override;
    ToolId currentTool() const { return ToolId(CurrentTool); }

    QMdiArea* mdiArea() const { return m_mdi; }

public Q_SLOTS:
    void N1Click();            // File menu opening: enabling
    void N3Click();            // New
    void O1Click();            // Open
    void N17Click();           // Import picture
    void S1Click();            // Save
    void N4Click();            // Save as
    void E2Click();            // Printer setup
    void P2Click();            // Print
    void E1Click();            // Edit menu opening: enabling and captions
    void U1Click();            // Undo
    void N26Click();           // Repeat
    void N13Click();           // Help
    void N14Click();           // About
    void N18Click();           // View: standard toolbar
    void N19Click();           // View: tool palette
    void N29Click();           // View: status bar
    void N23Click();           // home page
    void N24Click();           // e-mail to the maker
    void SpeedButton17Click(); // the brush chooser
    void FormMouseWheelDown();
    void FormMouseWheelUp();

protected:
    void showEvent(QShowEvent* event) override;
    // Asks about every modified drawing first; any Cancel keeps the program open.
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Text files dropped on the frame open as Open opens them; a picture opens the import dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void PaletteButtonClick(ToolId tool);
    void buildMenus();
    // After a menu closed with Esc, the menu bar keeps the keyboard; an open edit box takes it back.
    void menuClosed();
    void buildToolBar();
    void buildPalette();
    void updateWindowActions();
    void updateEncodingLabel();
    void tileWindows(Qt::Orientation orientation);
    void arrangeIcons();
    void minimizeAll();
    void toggleBar(QAction* item, QWidget* bar);
    void placeChild(TChildForm* child);
    void listDrawings(QMenu* menu);
    void showHelp();
    void importPicture();
    // The import dialog with the picture file already loaded; nothing when it cannot be loaded.
    void importPictureFile(const QString& path);
    // Opens an address with the system's program, or says where to go when it cannot.
    void openLink(const QString& address, const QString& failure);
    // Window placement and the View choices, kept between runs.
    void restoreSettings();
    void saveSettings();
    // Turns wheel movement into whole steps of the frame's wheel handling.
    bool handleWheel(QWheelEvent* event);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, std::unique_ptr<Command> command,
                     const QKeySequence& shortcut = {});
    void addSeparator(QMenu* menu, const char* name);

    UiPlatform& m_platform;
    FileCommands m_files{*this};
    RecentFiles m_recent;
    RecentFilesMenu* m_recentMenu = nullptr;
    std::unique_ptr<ExportPicture> m_export;
    Printing m_printing;
    CommandBinder* m_commands = nullptr;
    NewCommand* m_new = nullptr;
    TAboutForm* m_about = nullptr;
    THBXZForm* m_brushForm = nullptr;
    TPictureForm* m_pictureForm = nullptr;
    TTextForm* m_textForm = nullptr;
    QMdiArea* m_mdi = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QWidget* CoolBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_encodingLabel = nullptr;
    QButtonGroup* m_palette = nullptr;
    QToolButton* SpeedButton17 = nullptr;
    QObject* ActionList1 = nullptr; // the frame's standard window actions
    QAction* N18 = nullptr;
    QAction* N19 = nullptr;
    QAction* N29 = nullptr;
    std::array<QCursor, 8> m_cursors;
    int m_wheelRemainder = 0;
    int m_sidewaysRemainder = 0;
    int m_cascade = 0; // the next new drawing's step down the cascade
    QStringList m_startupFiles;
    QList<QAction*> m_drawingItems; // the Window menu's list of drawings
    THelpForm* m_help = nullptr;
    bool m_shown = false;
};
