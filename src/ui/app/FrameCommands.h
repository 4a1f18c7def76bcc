// What each command of the frame's table does, as a Command object: the one place where a
// menu item's behaviour is written. The frame binds them to its menus and toolbar.
#pragma once

#include "CommandTable.h"

#include <QString>

#include <memory>

class Command;
class ExportPicture;
class FrameDialogs;
class NewCommand;
class Printing;
class THelpForm;
class TMainForm;
class UiPlatform;

class FrameCommands {
public:
    FrameCommands(TMainForm& frame, UiPlatform& platform);
    ~FrameCommands();

    std::unique_ptr<Command> make(CommandId id);

    // The dialogs some commands show; without them New, Export and About do nothing.
    void setDialogs(FrameDialogs* dialogs);

private:
    void showHelp();
    ExportPicture& exporter();
    // Opens an address with the system's program, or says where to go when it cannot.
    void openLink(const QString& address, const QString& failure);

    TMainForm& m_frame;
    UiPlatform& m_platform;
    std::unique_ptr<Printing> m_printing;
    std::unique_ptr<ExportPicture> m_export;
    NewCommand* m_new = nullptr;
    FrameDialogs* m_dialogs = nullptr;
    THelpForm* m_help = nullptr;
};
