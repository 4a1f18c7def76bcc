// What each command of the frame's table does, as a Command object: the one place where a
// menu item's behaviour is written. The frame binds them to its menus and toolbar.
#pragma once

#include "CommandTable.h"

#include <QString>

#include <memory>

class Command;
class ExportPicture;
class NewCommand;
class Printing;
class TAboutForm;
class TExportForm;
class THelpForm;
class TMainForm;
class TNewForm;
class UiPlatform;

class FrameCommands {
public:
    FrameCommands(TMainForm& frame, UiPlatform& platform);
    ~FrameCommands();

    std::unique_ptr<Command> make(CommandId id);

    // The dialogs some commands show, given once they are made.
    void setNewForm(TNewForm* form);
    void setExportForm(TExportForm* form);
    void setAboutForm(TAboutForm* form) { m_about = form; }

private:
    void showHelp();
    // Opens an address with the system's program, or says where to go when it cannot.
    void openLink(const QString& address, const QString& failure);

    TMainForm& m_frame;
    UiPlatform& m_platform;
    std::unique_ptr<Printing> m_printing;
    std::unique_ptr<ExportPicture> m_export;
    NewCommand* m_new = nullptr;
    TAboutForm* m_about = nullptr;
    THelpForm* m_help = nullptr;
};
