// Text file commands.
#include "FileCommands.h"

#include "DrawingHost.h"
#include "Messages.h"
#include "core/model/Drawing.h"
#include "core/platform/Platform.h"
#include "core/text/Encodings.h"
#include "core/text/TextFile.h"
#include "core/text/TextLines.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kTextFilter = QStringLiteral("*.txt"); // one entry, shown and matched as *.txt

} // namespace

void FileCommands::error(const QString& text) {
    m_host.platform().messageBox(text, messages::kCaption, MessageButtons::Ok, MessageKind::Error);
}

void FileCommands::open() {
    const QString path = m_host.platform().openFileName(kTextFilter, QString());
    if (!path.isEmpty()) openFile(path);
}

struct FileCommands::Reading {
    QString path;
    OpenedText text;
};

QString FileCommands::captionFor(const QString& path, TextEncoding encoding) {
    // The drawing file's own GBK goes without saying; UTF-8 is told, so a short text read the
    // wrong way is noticed.
    return encoding == TextEncoding::Gbk ? path
                                         : QStringLiteral("%1  [%2]").arg(path, encodingName(encoding));
}

bool FileCommands::read(const QString& path, std::optional<TextEncoding> encoding, Reading& out) {
    out.path = path;
    const TextScan scan = scanTextFile(path, encoding);
    if (scan.error) {
        error(messages::cannotRead(path, *scan.error));
        return false;
    }
    out.text = layoutText(scan);
    // GBK that happens to be valid UTF-8 may read as too little to draw: then it is taken as GBK.
    if (out.text.failure != OpenFailure::None && !encoding && scan.encoding == TextEncoding::Utf8) {
        const TextScan gbk = scanTextFile(path, TextEncoding::Gbk);
        if (!gbk.error)
            if (OpenedText text = layoutText(gbk); text.failure == OpenFailure::None)
                out.text = std::move(text);
    }
    if (out.text.failure != OpenFailure::None) {
        error(messages::cannotOpen(path, out.text.failure));
        return false;
    }
    return true;
}

void FileCommands::show(Drawing& d, const Reading& reading) {
    const OpenedText& text = reading.text;
    d.FileName = reading.path;
    d.Encoding = text.encoding;
    d.setCaption(captionFor(reading.path, text.encoding));
    d.CurGrid.copyArea(text.grid, text.width, text.height);
    d.ReDraw();
    d.PartialFile = !text.leftOut.isEmpty();
    d.LostCharacters = text.lostCount;
    if (const QString notice = messages::lossNotice(reading.path, text); !notice.isEmpty())
        m_host.platform().messageBox(notice, messages::kCaption, MessageButtons::Ok, MessageKind::Warning);
    m_host.fileOpened(reading.path);
}

bool FileCommands::openFile(const QString& given, std::optional<TextEncoding> encoding) {
    if (const Drawing* open = m_host.showDrawingOf(QFileInfo(given).absoluteFilePath())) {
        m_host.fileOpened(open->FileName); // opened again, as far as the recent files go
        return true;
    }
    Reading reading;
    if (!read(QFileInfo(given).absoluteFilePath(), encoding, reading)) return false;
    Drawing& d = m_host.createDrawing(reading.text.width, reading.text.height);
    show(d, reading);
    return true;
}

bool FileCommands::reopenInOtherEncoding(Drawing& d) {
    if (d.FileName.isEmpty()) return false;
    const TextEncoding other = isUtf8(d.Encoding) ? TextEncoding::Gbk : TextEncoding::Utf8;
    if (d.SavedCount < d.ChangeCount &&
        m_host.platform().messageBox(messages::reopenLosesChanges(), messages::kConfirm,
                                     MessageButtons::YesNo, MessageKind::Question) != MessageAnswer::Yes)
        return false;
    Reading reading;
    if (!read(d.FileName, other, reading)) return false; // the drawing stays as it was
    d.reopenAs(reading.text.width, reading.text.height);
    show(d, reading);
    return true;
}

bool FileCommands::confirmOverwrite(const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return m_host.platform().messageBox(messages::overwrite(), messages::kConfirm, MessageButtons::YesNo,
                                        MessageKind::Question) == MessageAnswer::Yes;
}

bool FileCommands::chooseName(Drawing& d) {
    // The file type offered first is the drawing's own encoding; the one chosen is what it is saved in.
    int filter = saveFilterOf(d.Encoding);
    const QString path =
        m_host.platform().saveFileName(saveFilters(), QStringLiteral("txt"), m_lastSaveName, &filter);
    if (path.isEmpty()) return false;
    m_lastSaveName = path;
    if (!confirmOverwrite(path)) return false;
    // Another file holds nothing that the drawing left out.
    if (path != d.FileName) {
        d.PartialFile = false;
        d.LostCharacters = 0;
    }
    // A variant of the type chosen (UTF-8 with its byte-order mark) stays as it was read.
    if (filter != saveFilterOf(d.Encoding)) d.Encoding = encodingOfSaveFilter(filter);
    d.setCaption(captionFor(path, d.Encoding));
    d.FileName = path;
    return true;
}

bool FileCommands::save(Drawing& d) {
    if (d.FileName.isEmpty()) return chooseName(d) && write(d);
    if (d.PartialFile || d.LostCharacters > 0) {
        switch (m_host.platform().messageBox(messages::lossQuestion(d), messages::kConfirm,
                                             MessageButtons::WriteSaveAsCancel, MessageKind::Question)) {
        case MessageAnswer::Yes:
            break;
        case MessageAnswer::No:
            return chooseName(d) && write(d);
        default:
            return false;
        }
    }
    return write(d);
}

void FileCommands::saveAs(Drawing& d) {
    if (chooseName(d)) write(d);
}

bool FileCommands::write(Drawing& d) {
    // What the canvas shows is what the file receives.
    bool clean = true;
    const QByteArray gbk = drawingFileBytes(d.ShownGrid, d.GridWidth, d.GridHeight);
    const QByteArray bytes = inEncoding(gbk, d.Encoding, &clean);
    // UTF-8 is read back whole characters to a cell: one standing across two cells moves.
    if (isUtf8(d.Encoding) && pairingSplitsCharacter(unpairedLines(splitLines(gbk))) &&
        m_host.platform().messageBox(messages::charactersAcrossCellsInUtf8(), messages::kConfirm,
                                     MessageButtons::YesNo, MessageKind::Question) != MessageAnswer::Yes)
        return false;
    if (!clean &&
        m_host.platform().messageBox(messages::halfCharactersInUtf8(), messages::kConfirm,
                                     MessageButtons::YesNo, MessageKind::Question) != MessageAnswer::Yes)
        return false;
    if (const auto problem = writeFileAtomically(d.FileName, bytes)) {
        error(messages::cannotSave(d.FileName, *problem));
        return false;
    }
    d.SavedCount = d.ChangeCount;
    d.PartialFile = false; // the file now holds exactly the drawing
    d.LostCharacters = 0;
    m_host.fileOpened(d.FileName);
    return true;
}
