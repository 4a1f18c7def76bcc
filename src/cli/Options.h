// The converter's command line: its options, and what is wrong with a line that fails.
#pragma once

#include "core/convert/CellConversion.h"
#include "core/model/FileEncoding.h"

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

enum class Subcommand { Convert, Banner };

// Where the cells go: lines of text on standard output, or a drawing file (its bytes as Save
// writes them) at a path or on standard output ("-o -").
enum class Destination { Lines, File, DrawingToStandardOutput };

// The options both subcommands take, and those of each, as values once parsed.
struct Options {
    Subcommand command = Subcommand::Convert;
    QString input;
    std::optional<int> width, height, threshold, size;
    convert::Mode mode = convert::Mode::TwoColour;
    std::optional<convert::ThresholdMethod> automatic;
    QString font = QStringLiteral("宋体"), brush = QStringLiteral("画"), article;
    Destination destination = Destination::Lines;
    QString outputPath; // for Destination::File
    QString pngPath;    // the result drawn as the canvas draws it, as well, when given
    // Lines are UTF-8 and drawing files GBK unless asked otherwise.
    std::optional<TextEncoding> encoding;
    bool invert = false, bold = false, italic = false, underline = false;

    // The subcommand as it is typed.
    QString commandName() const;
};

// `args` from the subcommand on ("convert" or "banner" first) into `o`; what is wrong with them, if anything.
std::optional<Failure> parse(const QStringList& args, Options& o);

} // namespace cli
