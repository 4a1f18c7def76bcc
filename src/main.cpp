// Runeboard: the command line's entry. "convert", "banner", --help and --version
// are answered here with the core of the program alone, JPEG pictures read
// through libjpeg; anything else runs runeboard-editor beside this program (the
// editor, or the converter for other pictures and for text), so that a
// conversion of a photo never loads the windowing libraries.
#include "cli/LightBackend.h"
#include "cli/Localized.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

std::string besideThisProgram(const char* name) {
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return name;
    const std::string path(self, size_t(n));
    return path.substr(0, path.rfind('/') + 1) + name;
}

} // namespace

int main(int argc, char* argv[]) {
    const cli::Result result = cli::run(argc, argv, cli::lightBackend());
    if (!result.editor && !result.handOn) return result.exitCode;

    const std::string editor = besideThisProgram("runeboard-editor");
    std::vector<char*> args(argv, argv + argc);
    args[0] = const_cast<char*>(editor.c_str());
    if (!result.handOnInput.isEmpty()) {
        // Standard input is read already: the full program reads the same bytes as its standard
        // input again, from a file in memory, and still calls it standard input.
        const int fd = memfd_create("runeboard-input", 0);
        if (fd < 0 ||
            write(fd, result.handOnInput.constData(), size_t(result.handOnInput.size())) !=
                result.handOnInput.size() ||
            lseek(fd, 0, SEEK_SET) != 0 || dup2(fd, STDIN_FILENO) < 0) {
            const QString reason = cli::systemReason(errno);
            std::fprintf(
                stderr, "%s\n",
                qPrintable(
                    cli::localized(QStringLiteral("runeboard convert: cannot pass standard input on: %1"),
                                   QStringLiteral("runeboard convert：无法传递标准输入：%1"))
                        .arg(reason)));
            return 1;
        }
        close(fd);
    }
    args.push_back(nullptr);
    execv(editor.c_str(), args.data());
    const QString reason = cli::systemReason(errno);
    std::fprintf(stderr, "%s\n",
                 qPrintable(cli::localized(QStringLiteral("runeboard: cannot start %1: %2"),
                                           QStringLiteral("runeboard：无法启动“%1”：%2"))
                                .arg(QString::fromLocal8Bit(editor.c_str()), reason)));
    return 1;
}
