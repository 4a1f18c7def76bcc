// The editor's messages about files.
#include "Messages.h"

#include "core/convert/PictureLimits.h"
#include "core/model/Drawing.h"

#include <QDir>
#include <QStringList>

namespace messages {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString reason(const FileError& error) {
    switch (error.kind) {
    case FileError::Kind::NotAFile:
        return QStringLiteral("这不是一个普通文件");
    case FileError::Kind::SomeoneElsesLink:
        return QStringLiteral("这是别人建立的链接，不会通过它写入");
    case FileError::Kind::NoFolder:
        return QStringLiteral("无法建立文件夹“%1”").arg(shown(error.reason));
    case FileError::Kind::System:
        break;
    }
    return error.reason;
}

QString cannotRead(const QString& path, const FileError& error) {
    return QStringLiteral("无法读取文件“%1”：%2").arg(shown(path), reason(error));
}

QString cannotOpen(const QString& path, OpenFailure failure) {
    const QString why = failure == OpenFailure::Empty
                            ? QStringLiteral("文件为空，无法打开")
                            : QStringLiteral("文件中没有可以放入字符格的内容（每行不足两个字节），无法打开");
    return QStringLiteral("%1\n%2").arg(why, shown(path));
}

QString cannotSave(const QString& path, const FileError& error) {
    return QStringLiteral("无法保存文件“%1”：%2\n文档没有保存，原来的文件保持不变。")
        .arg(shown(path), reason(error));
}

QString cannotReadCandidates(const QString& path, const FileError& error) {
    return QStringLiteral("无法读取画笔候选字符文件“%1”：%2").arg(shown(path), reason(error));
}

QString cannotSaveCandidates(const QString& path, const FileError& error) {
    return QStringLiteral("无法保存画笔候选字符文件“%1”：%2").arg(shown(path), reason(error));
}

QString leftOut(const LeftOut& part) {
    switch (part.kind) {
    case LeftOut::Kind::LinesAfter:
        return QStringLiteral("第 %1 行以后的 %2 行").arg(part.at).arg(part.count);
    case LeftOut::Kind::BytesAfter:
        return QStringLiteral("每行第 %1 个字节以后的内容").arg(part.at);
    case LeftOut::Kind::OddByte:
        return QStringLiteral("每行末尾单出的一个字节");
    case LeftOut::Kind::RowsFull:
        return QStringLiteral("排满 %1 行以后的内容").arg(part.at);
    case LeftOut::Kind::AfterZeroByte:
        break;
    }
    return QStringLiteral("文件中零字节及其后的全部内容");
}

QString lossNotice(const QString& path, const OpenedText& text) {
    const bool cut = !text.leftOut.isEmpty(), lost = text.lostCount > 0;
    if (!cut && !lost) return {};
    const QString file = shown(path);
    QStringList parts;
    if (cut) {
        QStringList items;
        for (const LeftOut& part : text.leftOut) items << leftOut(part);
        parts << QStringLiteral(
                     "文件“%1”超出了画板能容纳的范围（最多 100 × 100 格），以下内容没有读入：\n\n· %2")
                     .arg(file, items.join(QStringLiteral("\n· ")));
    }
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

QString lossQuestion(const Drawing& d) {
    const QString file = shown(d.FileName);
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

QString overwrite() {
    return QStringLiteral("此文件已经存在，是否覆盖?");
}

QString reopenLosesChanges() {
    return QStringLiteral("重新打开文件将丢失尚未保存的修改。是否继续？");
}

QString halfCharactersInUtf8() {
    return QStringLiteral("有些格子里只有半个汉字（不完整的 GBK 字符），UTF-8 无法表示，"
                          "保存后它们会变成“?”。\n\n是否仍然保存？");
}

QString charactersAcrossCellsInUtf8() {
    return QStringLiteral("有些汉字跨在两个格子之间。UTF-8 文件再次打开时会按整字重新排列，"
                          "这些行的格子会和现在不同。\n\n是否仍然保存？");
}

QString pictureReason(const convert::PictureError& e) {
    using Kind = convert::PictureError::Kind;
    switch (e.kind) {
    case Kind::CannotOpen:
        return QStringLiteral("无法打开图片文件：%1").arg(e.detail);
    case Kind::CannotRead:
        return QStringLiteral("无法读取图片文件：%1").arg(e.detail);
    case Kind::FileTooLarge:
        return QStringLiteral("图片文件太大，无法导入。");
    case Kind::Empty:
        return QStringLiteral("图片文件是空的。");
    case Kind::NotAPicture:
        return QStringLiteral("这不是可以导入的图片文件（支持 JPEG、BMP、ICO、PNG、GIF 和 SVG）。");
    case Kind::Damaged:
        return e.detail.isEmpty() ? QStringLiteral("图片已损坏，无法读取。")
                                  : QStringLiteral("图片已损坏，无法读取：%1").arg(e.detail);
    case Kind::Truncated:
        return QStringLiteral("图片不完整（文件提前结束），无法读取。");
    case Kind::ImplausibleSize:
        return QStringLiteral("图片已损坏：文件头声称有 %1 × %2 像素，远超文件所能容纳的。")
            .arg(e.size.width())
            .arg(e.size.height());
    case Kind::TooLarge:
        return QStringLiteral("图片太大（%1 × %2 像素），无法导入：最多 %3 万像素，每边最多 %4 像素。")
            .arg(e.size.width())
            .arg(e.size.height())
            .arg(convert::kMaxPixels / 10'000)
            .arg(convert::kMaxPictureSide);
    case Kind::OutOfMemory:
        return QStringLiteral("内存不足，无法读取这个图片。");
    case Kind::UnsupportedJpeg:
        return QStringLiteral("不支持这种 JPEG 颜色空间。");
    case Kind::None:
        break;
    }
    return {};
}

QString clipboardTooLarge(qsizetype maxCharacters) {
    return QStringLiteral("剪贴板中的文字太长（超过 %1 万个字符），无法粘贴。").arg(maxCharacters / 10000);
}

} // namespace messages
