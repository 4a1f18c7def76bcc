// Text file commands.
#include "FileCommands.h"

#include "DrawingHost.h"
#include "core/model/Drawing.h"
#include "core/platform/Platform.h"
#include "core/text/TextFile.h"
#include "core/text/TextLines.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kTextFilter = QStringLiteral("*.txt"); // one entry, shown and matched as *.txt
// Save As offers the encoding with the file type.
const QString kGbkFilter = QStringLiteral("GBK 文本文件 (*.txt)");
const QString kUtf8Filter = QStringLiteral("UTF-8 文本文件 (*.txt)");
const QString kCaption = QStringLiteral("Runeboard");

} // namespace

namespace {

// What a file lost on its way into the drawing, said at open; empty when nothing was lost.
QString lossNotice(const QString& path, const OpenedText& text) {
    const bool cut = !text.leftOut.isEmpty(), lost = text.lostCount > 0;
    if (!cut && !lost) return {};
    const QString file = QDir::toNativeSeparators(path);
    QStringList parts;
    if (cut)
        parts << QStringLiteral(
                     "文件“%1”超出了画板能容纳的范围（最多 100 × 100 格），以下内容没有读入：\n\n· %2")
                     .arg(file, text.leftOut.join(QStringLiteral("\n· ")));
    if (lost) {
        QStringList named;
        for (const LostCharacter& c : text.lost)
            named << QStringLiteral("· 第 %1 行：%2").arg(QString::number(c.line), c.character);
        if (text.lostCount > text.lost.size()) named << QStringLiteral("· ……");
        const QString where = cut ? QStringLiteral("其中") : QStringLiteral("文件“%1”中").arg(file);
        parts << QStringLiteral("%1有 %2 个字符无法用 GBK 表示，画板中显示为“?”：\n\n%3")
                     .arg(where, QString::number(text.lostCount), named.join(QLatin1Char('\n')));
    }
    QStringList losses;
    if (cut) losses << QStringLiteral("文件将被替换为画板中的内容，没有读入的部分会丢失");
    if (lost) losses << QStringLiteral("这些字符将变成“?”");
    parts << QStringLiteral("如果保存到这个文件，%1。").arg(losses.join(QStringLiteral("，")));
    // Short GBK text can pass for UTF-8; then GBK holds every character.
    if (lost && text.encoding == TextEncoding::Utf8)
        parts << QStringLiteral("如果这是一个 GBK 文件，可以用“文件 → 以 GBK 重新打开”重新读入。");
    return parts.join(QStringLiteral("\n\n"));
}

// The question before the first save over such a file.
QString lossQuestion(const Drawing& d) {
    const QString file = QDir::toNativeSeparators(d.FileName);
    QString said;
    if (d.PartialFile && d.LostCharacters > 0)
        said = QStringLiteral("文件“%1”打开时只读入了画板能容纳的部分，其中还有 %2 个字符无法用 GBK 表示。"
                              "保存将用画板中的内容替换这个文件，没有读入的部分和这些字符会丢失。")
                   .arg(file, QString::number(d.LostCharacters));
    else if (d.PartialFile)
        said = QStringLiteral("文件“%1”打开时只读入了画板能容纳的部分。保存将用画板中的内容替换这个文件，"
                              "没有读入的部分会丢失。")
                   .arg(file);
    else
        said = QStringLiteral("文件“%1”中有 %2 个字符无法用 GBK 表示，打开时显示为“?”。"
                              "保存将把它们作为“?”写入这个文件，原来的字符会丢失。")
                   .arg(file, QString::number(d.LostCharacters));
    return said + QStringLiteral("\n\n写入这个文件，还是另存为其他文件？");
}

} // namespace

void FileCommands::error(const QString& text) {
    m_host.platform().messageBox(text, kCaption, MessageButtons::Ok, MessageKind::Error);
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
    return isUtf8(encoding) ? QStringLiteral("%1  [UTF-8]").arg(path) : path;
}

bool FileCommands::read(const QString& path, std::optional<TextEncoding> encoding, Reading& out) {
    out.path = path;
    const TextScan scan = scanTextFile(path, encoding);
    if (!scan.error.isEmpty()) {
        error(QStringLiteral("无法读取文件“%1”：%2").arg(QDir::toNativeSeparators(path), scan.error));
        return false;
    }
    out.text = layoutText(scan);
    // GBK that happens to be valid UTF-8 may read as too little to draw: then it is taken as GBK.
    if (!out.text.error.isEmpty() && !encoding && scan.encoding == TextEncoding::Utf8) {
        const TextScan gbk = scanTextFile(path, TextEncoding::Gbk);
        if (gbk.error.isEmpty())
            if (OpenedText text = layoutText(gbk); text.error.isEmpty()) out.text = std::move(text);
    }
    if (!out.text.error.isEmpty()) {
        error(QStringLiteral("%1\n%2").arg(out.text.error, QDir::toNativeSeparators(path)));
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
    if (const QString notice = lossNotice(reading.path, text); !notice.isEmpty())
        m_host.platform().messageBox(notice, kCaption, MessageButtons::Ok, MessageKind::Warning);
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
        m_host.platform().messageBox(QStringLiteral("重新打开文件将丢失尚未保存的修改。是否继续？"),
                                     QStringLiteral("请确认"), MessageButtons::YesNo,
                                     MessageKind::Question) != MessageAnswer::Yes)
        return false;
    Reading reading;
    if (!read(d.FileName, other, reading)) return false; // the drawing stays as it was
    d.reopenAs(reading.text.width, reading.text.height);
    show(d, reading);
    return true;
}

bool FileCommands::confirmOverwrite(const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return m_host.platform().messageBox(QStringLiteral("此文件已经存在，是否覆盖?"), QStringLiteral("请确认"),
                                        MessageButtons::YesNo, MessageKind::Question) == MessageAnswer::Yes;
}

bool FileCommands::chooseName(Drawing& d) {
    QString filter = isUtf8(d.Encoding) ? kUtf8Filter : kGbkFilter;
    const QString path = m_host.platform().saveFileName(kGbkFilter + QStringLiteral(";;") + kUtf8Filter,
                                                        QStringLiteral("txt"), m_lastSaveName, &filter);
    if (path.isEmpty()) return false;
    m_lastSaveName = path;
    if (!confirmOverwrite(path)) return false;
    // Another file holds nothing that the drawing left out.
    if (path != d.FileName) {
        d.PartialFile = false;
        d.LostCharacters = 0;
    }
    if (filter == kUtf8Filter) {
        if (!isUtf8(d.Encoding)) d.Encoding = TextEncoding::Utf8; // a byte-order mark read stays
    } else {
        d.Encoding = TextEncoding::Gbk;
    }
    d.setCaption(captionFor(path, d.Encoding));
    d.FileName = path;
    return true;
}

bool FileCommands::save(Drawing& d) {
    if (d.FileName.isEmpty()) return chooseName(d) && write(d);
    if (d.PartialFile || d.LostCharacters > 0) {
        switch (m_host.platform().messageBox(lossQuestion(d), QStringLiteral("请确认"),
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
        m_host.platform().messageBox(
            QStringLiteral("有些汉字跨在两个格子之间。UTF-8 文件再次打开时会按整字重新排列，"
                           "这些行的格子会和现在不同。\n\n是否仍然保存？"),
            QStringLiteral("请确认"), MessageButtons::YesNo, MessageKind::Question) != MessageAnswer::Yes)
        return false;
    if (!clean &&
        m_host.platform().messageBox(
            QStringLiteral("有些格子里只有半个汉字（不完整的 GBK 字符），UTF-8 无法表示，"
                           "保存后它们会变成“?”。\n\n是否仍然保存？"),
            QStringLiteral("请确认"), MessageButtons::YesNo, MessageKind::Question) != MessageAnswer::Yes)
        return false;
    if (const auto problem = writeFileAtomically(d.FileName, bytes)) {
        error(QStringLiteral("无法保存文件“%1”：%2\n文档没有保存，原来的文件保持不变。")
                  .arg(QDir::toNativeSeparators(d.FileName), reasonText(*problem)));
        return false;
    }
    d.SavedCount = d.ChangeCount;
    d.PartialFile = false; // the file now holds exactly the drawing
    d.LostCharacters = 0;
    m_host.fileOpened(d.FileName);
    return true;
}
