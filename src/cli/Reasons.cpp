// The converter's reasons.
#include "Reasons.h"

#include "Localized.h"

#include "core/convert/PictureLimits.h"

namespace cli {

// What the messages call a file named on the command line: Chinese sets a name off in quotes
// where English leaves spaces around it.
QString nameOf(const QString& path) {
    if (path == QLatin1String("-"))
        return localized(QStringLiteral("standard input"), QStringLiteral("标准输入"));
    return localized(path, QStringLiteral("“%1”").arg(path));
}

// Why a picture would not convert, in the messages' language. The decoders' own reasons are
// English: given in English messages, left out of Chinese ones.
QString reasonText(const convert::PictureError& e) {
    using Kind = convert::PictureError::Kind;
    switch (e.kind) {
    case Kind::CannotOpen:
    case Kind::CannotRead:
        return localized(QStringLiteral("cannot read it: %1").arg(e.detail), QStringLiteral("无法读取"));
    case Kind::FileTooLarge:
        return localized(QStringLiteral("the file is too large for a picture"),
                         QStringLiteral("文件太大，不会是可以导入的图片"));
    case Kind::Empty:
        return localized(QStringLiteral("it is empty"), QStringLiteral("它是空的"));
    case Kind::NotAPicture:
        return localized(QStringLiteral("not a picture this program reads (JPEG, BMP, ICO, PNG, GIF or SVG)"),
                         QStringLiteral("这不是可以导入的图片（支持 JPEG、BMP、ICO、PNG、GIF 和 SVG）"));
    case Kind::Damaged:
        return localized(e.detail.isEmpty() ? QStringLiteral("the picture is damaged")
                                            : QStringLiteral("the picture is damaged (%1)").arg(e.detail),
                         QStringLiteral("图片已损坏"));
    case Kind::Truncated:
        return localized(QStringLiteral("the picture is cut short (the file ends early)"),
                         QStringLiteral("图片不完整（文件提前结束）"));
    case Kind::ImplausibleSize:
        return localized(
                   QStringLiteral("the picture is damaged: its header claims %1 × %2 pixels, far more than "
                                  "the file holds"),
                   QStringLiteral("图片已损坏：文件头声称有 %1 × %2 像素，远超文件所能容纳的"))
            .arg(e.size.width())
            .arg(e.size.height());
    case Kind::TooLarge:
        return localized(
            QStringLiteral("the picture is too large (%1 × %2 pixels): at most %3 million pixels, %4 a side")
                .arg(e.size.width())
                .arg(e.size.height())
                .arg(convert::kMaxPixels / 1'000'000)
                .arg(convert::kMaxPictureSide),
            QStringLiteral("图片太大（%1 × %2 像素）：最多 %3 万像素，每边最多 %4 像素")
                .arg(e.size.width())
                .arg(e.size.height())
                .arg(convert::kMaxPixels / 10'000)
                .arg(convert::kMaxPictureSide));
    case Kind::OutOfMemory:
        return localized(QStringLiteral("not enough memory for the picture"), QStringLiteral("内存不足"));
    case Kind::UnsupportedJpeg:
        return localized(QStringLiteral("this JPEG colour space is not supported"),
                         QStringLiteral("不支持这种 JPEG 颜色空间"));
    case Kind::None:
        break;
    }
    return {};
}

// Why a file could not be written, in the messages' language.
Failure writeFailure(const QString& path, const FileError& problem) {
    QString reason;
    switch (problem.kind) {
    case FileError::Kind::NotAFile:
        reason = localized(QStringLiteral("not a plain file"), QStringLiteral("这不是一个普通文件"));
        break;
    case FileError::Kind::SomeoneElsesLink:
        reason = localized(QStringLiteral("a link left by another user, not written through"),
                           QStringLiteral("这是别人建立的链接，不会通过它写入"));
        break;
    case FileError::Kind::NoFolder: // the converter makes no folder
    case FileError::Kind::System:
        reason = systemReason(problem.code, problem.reason);
        break;
    }
    return Failure{kFailed, localized(QStringLiteral("cannot write %1: %2"), QStringLiteral("无法写入%1：%2"))
                                .arg(nameOf(path), reason)};
}

} // namespace cli
