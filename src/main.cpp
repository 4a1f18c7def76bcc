// Runeboard: the command line's entry. "convert", "banner", --help and --version
// are answered here with the core of the program alone, JPEG pictures read
// through libjpeg; anything else runs runeboard-editor beside this program (the
// editor, or the converter for other pictures and for text), so that a
// conversion of a photo never loads the windowing libraries.
#include "cli/LightBackend.h"

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
    std::string input;
    if (!result.handOnInput.isEmpty()) {
        // Standard input is read already: the full program reads the same bytes from a file in memory.
        const int fd = memfd_create("runeboard-input", 0);
        if (fd < 0 || write(fd, result.handOnInput.constData(), size_t(result.handOnInput.size())) !=
                          result.handOnInput.size()) {
            std::fprintf(stderr, "runeboard convert: cannot pass standard input on: %s\n",
                         std::strerror(errno));
            return 1;
        }
        lseek(fd, 0, SEEK_SET);
        input = "/proc/self/fd/" + std::to_string(fd);
        args[size_t(result.handOnInputArg)] = const_cast<char*>(input.c_str());
    }
    args.push_back(nullptr);
    execv(editor.c_str(), args.data());
    std::fprintf(stderr, "runeboard: cannot start %s: %s\n", editor.c_str(), std::strerror(errno));
    return 1;
}
