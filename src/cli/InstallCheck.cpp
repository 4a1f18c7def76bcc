// The editor's check of the files installed beside it.
#include "InstallCheck.h"
#include "Localized.h"

#include "core/text/CandidateFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <optional>

namespace cli {

namespace {

// Why the file cannot be read, if it cannot: the system's reason, in the messages' language.
std::optional<QString> unreadable(const QString& path) {
    if (QFileInfo(path).isDir()) return systemReason(EISDIR);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return systemReason(errno, file.errorString());
    return std::nullopt;
}

void print(FILE* to, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), to);
}

} // namespace

int checkInstall(const QString& helpPage, const QString& candidateFile) {
    int status = 0;
    if (const auto why = unreadable(helpPage)) {
        print(stderr, localized(QStringLiteral("runeboard: cannot read the help page %1: %2"),
                                QStringLiteral("runeboard：无法读取帮助文件“%1”：%2"))
                          .arg(helpPage, *why));
        status = 1;
    } else {
        print(stdout,
              localized(QStringLiteral("help page: %1"), QStringLiteral("帮助文件：%1")).arg(helpPage));
    }
    std::optional<QString> why = unreadable(candidateFile);
    qsizetype lines = 0;
    if (!why) {
        // Read as the brush chooser reads it, so that a file it could not use fails here too.
        std::optional<FileError> error;
        lines = candidates::read(candidateFile, &error).size();
        if (error) why = systemReason(error->code, error->reason);
    }
    if (why) {
        print(stderr, localized(QStringLiteral("runeboard: cannot read the candidate characters %1: %2"),
                                QStringLiteral("runeboard：无法读取候选字符文件“%1”：%2"))
                          .arg(candidateFile, *why));
        status = 1;
    } else {
        print(stdout, localized(QStringLiteral("candidate characters: %1 (%2 lines)"),
                                QStringLiteral("候选字符文件：%1（%2 行）"))
                          .arg(candidateFile)
                          .arg(lines));
    }
    std::fflush(stdout);
    return status;
}

void sayStarted() {
    print(stdout, localized(QStringLiteral("editor: started"), QStringLiteral("编辑器：已启动")));
    std::fflush(stdout);
}

} // namespace cli
