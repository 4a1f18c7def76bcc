// The converter's language.
#include "Localized.h"

#include <cerrno>
#include <cstring>

#include <locale.h>

namespace cli {

bool chineseMessages() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty()) return value.startsWith("zh");
    }
    return false;
}

QString localized(const QString& english, const QString& chinese) {
    return chineseMessages() ? chinese : english;
}

QString systemReason(int code, const QString& words) {
    if (code == 0)
        return localized(words.isEmpty() ? QStringLiteral("unknown error") : words,
                         QStringLiteral("原因不明"));
    if (!chineseMessages()) {
        // The C locale's words, whatever language the C library would otherwise pick.
        const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
        const QString english = QString::fromLocal8Bit(c ? strerror_l(code, c) : std::strerror(code));
        if (c) freelocale(c);
        return english;
    }
    switch (code) {
    case ENOENT:
        return QStringLiteral("没有这个文件或文件夹");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限");
    case EISDIR:
        return QStringLiteral("这是一个文件夹");
    case ENOTDIR:
        return QStringLiteral("路径中有一项不是文件夹");
    case ENOSPC:
        return QStringLiteral("磁盘空间不足");
    case EDQUOT:
        return QStringLiteral("超出磁盘配额");
    case EFBIG:
        return QStringLiteral("文件太大");
    case EROFS:
        return QStringLiteral("文件系统是只读的");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    case ELOOP:
        return QStringLiteral("符号链接层数太多");
    case EIO:
        return QStringLiteral("输入输出错误");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("打开的文件太多");
    case ENOMEM:
        return QStringLiteral("内存不足");
    default:
        return QStringLiteral("系统错误 %1").arg(code);
    }
}

} // namespace cli
