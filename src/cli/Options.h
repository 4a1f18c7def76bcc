// The converter's command line: its options, and what is wrong with a line that fails.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

constexpr int kDone = 0, kFailed = 1, kUsage = 2;

struct Failure {
    int code;
    QString message;
};

// The hint every usage failure ends with.
QString helpHint();
// A usage failure, with that hint.
Failure usage(const QString& message);

// The options both subcommands take, and those of each.
struct Options {
    QString command, input;
    std::optional<int> width, height, threshold, size;
    QString autoMethod, font = QStringLiteral("宋体"), brush = QStringLiteral("画"), article, output,
                        encoding;
    bool gradient = false, invert = false, bold = false, italic = false, underline = false;
};

// `args` from the subcommand on ("convert" or "banner" first) into `o`; what is wrong with them, if anything.
std::optional<Failure> parse(const QStringList& args, Options& o);

} // namespace cli
