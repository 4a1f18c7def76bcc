// Text file commands.
#include "FileCommands.h"

#include "DrawingHost.h"
#include "core/model/Drawing.h"
#include "core/platform/Platform.h"
#include "core/text/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kTextFilter = QStringLiteral("*.txt"); // one entry, shown and matched as *.txt
const QString kCaption = QStringLiteral("Runeboard");

} // namespace

void FileCommands::error(const QString& text) {
    m_host.platform().messageBox(text, kCaption, MessageButtons::Ok, MessageKind::Error);
}

void FileCommands::open() {
    const QString path = m_host.platform().openFileName(kTextFilter, QString());
    if (!path.isEmpty()) openFile(path);
}

bool FileCommands::openFile(const QString& given) {
    const QString path = QFileInfo(given).absoluteFilePath();
    const TextScan scan = scanTextFile(path);
    if (!scan.error.isEmpty()) {
        error(QStringLiteral("无法读取文件“%1”：%2").arg(QDir::toNativeSeparators(path), scan.error));
        return false;
    }
    const OpenedText text = layoutText(scan);
    if (!text.error.isEmpty()) {
        error(QStringLiteral("%1\n%2").arg(text.error, QDir::toNativeSeparators(path)));
        return false;
    }
    Drawing& d = m_host.createDrawing(text.width, text.height);
    d.FileName = path;
    d.setCaption(path);
    d.CurGrid.copyArea(text.grid, text.width, text.height);
    d.ReDraw();
    if (!text.leftOut.isEmpty()) {
        d.PartialFile = 1;
        m_host.platform().messageBox(
            QStringLiteral("文件“%1”超出了画板能容纳的范围（最多 100 × 100 格），以下内容没有读入：\n\n%2\n\n"
                           "如果保存到这个文件，文件将被替换为画板中的内容，没有读入的部分会丢失。")
                .arg(QDir::toNativeSeparators(path),
                     QStringLiteral("· ") + text.leftOut.join(QStringLiteral("\n· "))),
            kCaption, MessageButtons::Ok, MessageKind::Warning);
    }
    return true;
}

bool FileCommands::confirmOverwrite(const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return m_host.platform().messageBox(QStringLiteral("此文件已经存在，是否覆盖?"), QStringLiteral("请确认"),
                                        MessageButtons::YesNo, MessageKind::Question) == MessageAnswer::Yes;
}

bool FileCommands::chooseName(Drawing& d) {
    const QString path = m_host.platform().saveFileName(kTextFilter, QStringLiteral("txt"), m_lastSaveName);
    if (path.isEmpty()) return false;
    m_lastSaveName = path;
    if (!confirmOverwrite(path)) return false;
    // Another file holds nothing that the drawing left out.
    if (path != d.FileName) d.PartialFile = 0;
    d.setCaption(path);
    d.FileName = path;
    return true;
}

bool FileCommands::save(Drawing& d) {
    if (d.FileName.isEmpty()) return chooseName(d) && write(d);
    if (d.PartialFile == 1) {
        switch (m_host.platform().messageBox(
            QStringLiteral(
                "文件“%"
                "1”打开时只读入了画板能容纳的部分。保存将用画板中的内容替换这个文件，没有读入的部分会丢失。"
                "\n\n是否替换这个文件？选择“否”可以另存为其他文件。")
                .arg(QDir::toNativeSeparators(d.FileName)),
            QStringLiteral("请确认"), MessageButtons::YesNoCancel, MessageKind::Question)) {
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
    const QByteArray bytes = drawingFileBytes(d.ShownGrid, d.GridWidth, d.GridHeight);
    const QString problem = writeFileAtomically(d.FileName, bytes);
    if (!problem.isEmpty()) {
        error(QStringLiteral("无法保存文件“%1”：%2\n文档没有保存，原来的文件保持不变。")
                  .arg(QDir::toNativeSeparators(d.FileName), problem));
        return false;
    }
    d.SavedCount = d.ChangeCount;
    d.PartialFile = 0; // the file now holds exactly the drawing
    return true;
}
