// The frame's commands.
#include "FrameCommands.h"

#include "DrawingWindows.h"
#include "ExportPicture.h"
#include "FrameDialogs.h"
#include "Links.h"
#include "NewCommand.h"
#include "Printing.h"
#include "TMainForm.h"
#include "core/commands/EditCommands.h"
#include "core/commands/FunctionCommand.h"
#include "core/commands/Messages.h"
#include "core/commands/UndoRepeat.h"
#include "core/model/Drawing.h"
#include "core/text/ClipboardText.h"
#include "ui/dialogs/TAboutForm.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/platform/UiPlatform.h"

#include <QDir>
#include <QUrl>

namespace {

std::unique_ptr<Command> always(std::function<void()> run) {
    return std::make_unique<FunctionCommand>(std::move(run));
}

} // namespace

FrameCommands::FrameCommands(TMainForm& frame, UiPlatform& platform)
    : m_frame(frame), m_platform(platform), m_printing(std::make_unique<Printing>(platform)) {}

FrameCommands::~FrameCommands() = default;

void FrameCommands::setDialogs(FrameDialogs* dialogs) {
    m_dialogs = dialogs;
    if (m_new) m_new->setForm([dialogs]() -> TNewForm& { return dialogs->newDrawing(); });
}

ExportPicture& FrameCommands::exporter() {
    if (!m_export) m_export = std::make_unique<ExportPicture>(m_platform, m_dialogs->exporting());
    return *m_export;
}

std::unique_ptr<Command> FrameCommands::make(CommandId id) {
    TMainForm& f = m_frame;
    FileCommands& files = f.files();
    DrawingWindows& windows = f.windows();
    auto onDrawing = [&f](DrawingCommand::Run run, DrawingCommand::Enabled enabled = {}) {
        return std::make_unique<DrawingCommand>(f, std::move(run), std::move(enabled));
    };
    auto onWindows = [&windows](std::function<void()> run) {
        return std::make_unique<FunctionCommand>(std::move(run), [&windows] { return windows.any(); });
    };
    switch (id) {
    case CommandId::New: {
        auto command = std::make_unique<NewCommand>(f, m_platform);
        m_new = command.get();
        return command;
    }
    case CommandId::Open:
        return always([&files] { files.open(); });
    case CommandId::ImportPicture:
        return always([&f] { f.importPicture(); });
    case CommandId::Save:
        return onDrawing([&files](Drawing& d) { files.save(d); });
    case CommandId::SaveAs:
        return onDrawing([&files, &f](Drawing& d) {
            files.saveAs(d);
            f.updateStatusLabels();
        });
    case CommandId::ReopenInOtherEncoding:
        return std::make_unique<DrawingCommand>(
            f,
            [&files, &f](Drawing& d) {
                files.reopenInOtherEncoding(d);
                f.updateStatusLabels();
            },
            [](const Drawing& d) { return !d.FileName.isEmpty(); },
            [](const Drawing* d) {
                return QStringLiteral("以 %1 重新打开(&R)")
                    .arg(d && isUtf8(d->Encoding) ? QStringLiteral("GBK") : QStringLiteral("UTF-8"));
            });
    case CommandId::ExportPicture:
        return onDrawing([this](Drawing& d) { exporter().run(d); },
                         [this](const Drawing&) { return m_dialogs != nullptr; });
    case CommandId::PrinterSetup:
        return always([this] { m_printing->setup(); });
    case CommandId::Print:
        return onDrawing([this](Drawing& d) { m_printing->print(d); });
    case CommandId::Exit:
        return always([&f] { f.close(); });
    case CommandId::Undo:
        return makeUndoCommand(f);
    case CommandId::Repeat:
        return makeRepeatCommand(f);
    case CommandId::Cut:
        return onDrawing([this](Drawing& d) { edit::cut(d, m_platform); }, edit::hasSelection);
    case CommandId::Copy:
        return onDrawing([this](Drawing& d) { edit::copy(d, m_platform); }, edit::hasSelection);
    case CommandId::Paste:
        return onDrawing(
            [this](Drawing& d) {
                if (edit::paste(d, m_platform) == edit::PasteResult::TooLarge)
                    m_platform.messageBox(messages::clipboardTooLarge(kClipboardMaxChars), messages::kCaption,
                                          MessageButtons::Ok, MessageKind::Warning);
            },
            [this](const Drawing&) { return m_platform.clipboardHasText(); });
    case CommandId::Delete:
        return onDrawing(edit::remove, edit::hasSelection);
    case CommandId::SelectAll:
        return onDrawing(edit::selectAll);
    case CommandId::SelectNone:
        return onDrawing(edit::selectNone, edit::hasSelection);
    case CommandId::Clear:
        return onDrawing(edit::clear);
    case CommandId::ShowToolbar:
    case CommandId::ShowPalette:
    case CommandId::ShowStatusBar:
        return always([&f, id] { f.toggleBar(id); });
    case CommandId::ZoomIn:
    case CommandId::ZoomOut:
    case CommandId::ZoomReset: {
        const int direction = id == CommandId::ZoomIn ? 1 : id == CommandId::ZoomOut ? -1 : 0;
        return std::make_unique<FunctionCommand>(
            [&windows, direction] { windows.zoomActive(direction); },
            [&windows, direction] { return windows.canZoom(direction); });
    }
    case CommandId::Cascade:
        return onWindows([&windows] { windows.cascade(); });
    case CommandId::TileHorizontally:
        return onWindows([&windows] { windows.tile(Qt::Horizontal); });
    case CommandId::TileVertically:
        return onWindows([&windows] { windows.tile(Qt::Vertical); });
    case CommandId::ArrangeIcons:
        return onWindows([&windows] { windows.arrangeIcons(); });
    case CommandId::MinimizeAll:
        return onWindows([&windows] { windows.minimizeAll(); });
    case CommandId::About:
        return always([this] {
            if (m_dialogs) m_platform.execDialog(m_dialogs->about());
        });
    case CommandId::Help:
        return always([this] { showHelp(); });
    case CommandId::HomePage:
        return always([this] {
            openLink(links::kHomePage, QStringLiteral("系统无法打开软件主页，请在浏览器中访问：\n%1"));
        });
    case CommandId::Contact:
        return always([this] {
            openLink(links::kContactMail, QStringLiteral("系统无法打开电子邮件程序，请写信到：\n%1"));
        });
    }
    return nullptr;
}

void FrameCommands::openLink(const QString& address, const QString& failure) {
    const QUrl url(address);
    if (m_platform.openExternal(url)) return;
    const QString shown = url.scheme() == QLatin1String("mailto") ? url.path() : address;
    m_platform.messageBox(failure.arg(shown), QStringLiteral("Runeboard"), MessageButtons::Ok,
                          MessageKind::Warning);
}

void FrameCommands::showHelp() {
    const QString page = m_platform.programDir() + links::kHelpPage;
    if (!m_help) m_help = new THelpForm(m_platform, &m_frame);
    if (!m_help->showPage(page))
        m_platform.messageBox(QStringLiteral("找不到帮助文件“%1”。").arg(QDir::toNativeSeparators(page)),
                              QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
}
