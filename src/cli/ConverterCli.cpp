// Command-line converter.
#include "ConverterCli.h"
#include "CommandSuggestion.h"
#include "Options.h"

#include "core/convert/CellConversion.h"
#include "core/convert/PictureLimits.h"
#include "core/text/GbkText.h"
#include "core/text/TextFile.h"
#include "core/text/TextLines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>

namespace cli {

namespace {

const char* const kHelp =
    "Usage:\n"
    "  runeboard [FILE...]                 start the editor, opening the drawings named (a\n"
    "                                      picture opens in the import dialog)\n"
    "  runeboard convert PICTURE [OPTION...]\n"
    "                                      a picture (JPEG, BMP, ICO, PNG, GIF, SVG; - reads\n"
    "                                      standard input) as character art, as the import\n"
    "                                      dialog makes it\n"
    "  runeboard banner TEXT [OPTION...]   a line of text drawn in a font as character art,\n"
    "                                      as the text banner makes it\n"
    "  runeboard --help | --version\n"
    "\n"
    "convert:\n"
    "  --width N, --height N   the size in cells (default: the dialog's proposal, at most\n"
    "                          100 x 100; one of them alone keeps the picture's proportions)\n"
    "  --threshold N           grey from which a pixel is ink, 0..255 (default 150)\n"
    "  --auto mean|mode        the threshold from the mean or the most frequent grey\n"
    "  --gradient              the ten-step letter gradient instead of a threshold\n"
    "  --invert                swap ink and background (or reverse the gradient)\n"
    "banner:\n"
    "  --font FAMILY           an installed font (default 宋体)\n"
    "  --size POINTS           1..200 (default 10)\n"
    "  --bold, --italic, --underline\n"
    "  --invert                swap ink and background before cropping to the ink\n"
    "  --width N, --height N   the picture the text is drawn in, at most 100 x 100\n"
    "both:\n"
    "  --brush TEXT            what ink cells hold: one Chinese character or two\n"
    "                          single-byte characters (default 画)\n"
    "  --article FILE          fill ink cells with the characters of a text file instead\n"
    "  -o FILE                 write a drawing file as the editor saves it (GBK, ideographic\n"
    "                          spaces, CR LF) instead of printing the lines; - writes those\n"
    "                          bytes to standard output\n"
    "  --encoding gbk|utf8     the encoding of the output (default: utf8 printed, gbk in files)\n"
    "\n"
    "Exit status: 0 done, 1 a file that cannot be read or converted, 2 bad usage.\n";

void say(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

std::optional<Failure> readAll(const QString& path, qint64 limit, QByteArray* out) {
    QFile file;
    const bool stdinput = path == QLatin1String("-");
    const bool opened = stdinput ? file.open(stdin, QIODevice::ReadOnly)
                                 : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    const QString name = stdinput ? QStringLiteral("standard input") : path;
    if (!opened) return Failure{kFailed, QStringLiteral("cannot read %1: %2").arg(name, file.errorString())};
    // A pipe gives its bytes in pieces: read until its end.
    out->clear();
    for (;;) {
        const QByteArray piece = file.read(std::min<qint64>(limit + 1 - out->size(), 1 << 20));
        if (piece.isEmpty()) break;
        *out += piece;
        if (out->size() > limit) break;
    }
    if (file.error() != QFileDevice::NoError)
        return Failure{kFailed, QStringLiteral("cannot read %1: %2").arg(name, file.errorString())};
    if (out->size() > limit) return Failure{kFailed, QStringLiteral("%1 is too large").arg(name)};
    return std::nullopt;
}

// The article as the settings dialog holds it: its lines joined by CR LF, in GBK. A file
// of valid UTF-8 is taken as UTF-8, as text on this system usually is; anything else as GBK.
std::optional<Failure> readArticle(const QString& path, QByteArray* article) {
    QByteArray bytes;
    if (auto f = readAll(path, 16 << 20, &bytes)) return f;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) bytes = unicodeToGbk(text);
    QList<QByteArray> lines = splitLines(bytes);
    *article = lines.join("\r\n");
    if (article->isEmpty()) return Failure{kFailed, QStringLiteral("the article %1 is empty").arg(path)};
    return std::nullopt;
}

std::optional<Failure> print(const QByteArray& out) {
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) ||
        std::fflush(stdout) != 0)
        return Failure{kFailed, QStringLiteral("cannot write the output")};
    return std::nullopt;
}

// The lines printed or written as the options ask.
std::optional<Failure> emit(const QList<QByteArray>& lines, const Options& o) {
    if (!o.output.isEmpty()) {
        // As the editor saves a drawing: space pairs as ideographic spaces, CR LF.
        QByteArray bytes;
        for (QByteArray line : lines) {
            pairSpaces(line);
            bytes += line + "\r\n";
        }
        if (o.encoding == QLatin1String("utf8")) bytes = gbkToUnicode(bytes).toUtf8();
        // "-" is standard output, as it is standard input for the picture: a drawing for a pipe.
        if (o.output == QLatin1String("-")) return print(bytes);
        const QString problem = writeFileAtomically(o.output, bytes);
        if (!problem.isEmpty())
            return Failure{kFailed, QStringLiteral("cannot write %1: %2").arg(o.output, problem)};
        return std::nullopt;
    }
    QByteArray out;
    for (const QByteArray& line : lines)
        out += (o.encoding == QLatin1String("gbk") ? line : gbkToUnicode(line).toUtf8()) + '\n';
    return print(out);
}

convert::Fill fillOf(const Options& o, const QByteArray& article) {
    convert::Fill fill;
    fill.brush = convert::brushBytes(unicodeToGbk(o.brush));
    fill.useArticle = !o.article.isEmpty();
    fill.article = article;
    return fill;
}

// Whether the bytes are an SVG document, which needs fonts to be drawn.
bool looksLikeSvg(const QByteArray& bytes) {
    const QByteArray head = bytes.left(4096);
    return head.contains("<svg") || head.trimmed().startsWith("<?xml");
}

std::optional<Failure> runConvert(const Options& o, const QByteArray& bytes, const Backend& backend,
                                  bool* handOn) {
    QByteArray article;
    if (!o.article.isEmpty())
        if (auto f = readArticle(o.article, &article)) return f;
    // The size: as given, one side in proportion, or the dialog's proposal.
    QString proposalProblem;
    auto target = [&](QSize source) -> QSize {
        if (o.width && o.height) return {*o.width, *o.height};
        if (o.width) return {*o.width, int(qint64(source.height()) * *o.width / std::max(source.width(), 1))};
        if (o.height)
            return {int(qint64(source.width()) * *o.height / std::max(source.height(), 1)), *o.height};
        if (const auto proposal = convert::proposedSize(source)) return *proposal;
        proposalProblem = QStringLiteral("no size fits this %1 x %2 picture; give --width and --height")
                              .arg(source.width())
                              .arg(source.height());
        return {};
    };
    QString error;
    QSize size;
    const std::optional<convert::RgbRaster> picture = backend.scale(bytes, target, &error, &size, handOn);
    if (*handOn) return std::nullopt;
    const QString name = o.input == QLatin1String("-") ? QStringLiteral("standard input") : o.input;
    if (!picture) return Failure{kFailed, QStringLiteral("cannot convert %1: %2").arg(name, error)};
    const convert::RgbRaster& scaled = *picture;
    if (!proposalProblem.isEmpty()) return Failure{kFailed, proposalProblem};
    const int w = std::min(size.width(), convert::kMaxSide), h = std::min(size.height(), convert::kMaxSide);
    if (w <= 0 || h <= 0)
        return Failure{
            kFailed, QStringLiteral("a size of %1 x %2 makes no cells").arg(size.width()).arg(size.height())};
    const convert::Mode mode = o.gradient ? convert::Mode::Gradient : convert::Mode::TwoColour;
    convert::RgbRaster effect;
    int threshold = o.threshold.value_or(convert::kDefaultThreshold);
    if (!o.autoMethod.isEmpty())
        threshold = *convert::autoThreshold(scaled, w, h,
                                            o.autoMethod == QLatin1String("mode")
                                                ? convert::ThresholdMethod::MostFrequent
                                                : convert::ThresholdMethod::Mean);
    if (mode == convert::Mode::Gradient)
        convert::gradient(scaled, effect, w, h);
    else
        convert::twoColour(scaled, effect, w, h, threshold);
    if (o.invert) convert::invert(effect, w, h, mode);
    return emit(convert::cells(effect, w, h, mode, fillOf(o, article)), o);
}

std::optional<Failure> runBanner(const Options& o, const Backend& backend, bool* handOn) {
    QByteArray article;
    if (!o.article.isEmpty())
        if (auto f = readArticle(o.article, &article)) return f;
    const int w = o.width.value_or(convert::kMaxSide), h = o.height.value_or(convert::kMaxSide);
    std::optional<QString> standIn;
    std::optional<convert::RgbRaster> picture =
        backend.banner(o.input, o.font, o.size.value_or(10), o.bold, o.italic, o.underline, &standIn, handOn);
    if (*handOn || !picture) return std::nullopt;
    // Drawn all the same, as the dialog would draw it; but the script asked for another look.
    if (standIn)
        say(QStringLiteral("runeboard banner: warning: the font '%1' is not installed; drawn in '%2' instead")
                .arg(o.font, *standIn));
    if (o.invert) convert::invert(*picture, w, h, convert::Mode::TwoColour);
    const QRect ink = convert::inkBounds(*picture, w, h);
    if (ink.isEmpty())
        return Failure{kFailed, QStringLiteral("the text draws nothing in a %1 x %2 picture").arg(w).arg(h)};
    return emit(convert::cellsIn(*picture, ink, convert::Mode::TwoColour, fillOf(o, article)), o);
}

} // namespace

Result run(int argc, char* argv[], const Backend& backend) {
    Result r;
    auto fail = [&](const QString& command, const Failure& f) {
        say(QStringLiteral("runeboard %1: %2").arg(command, f.message));
        r.exitCode = f.code;
        return r;
    };
    if (argc < 2) {
        r.editor = true;
        return r;
    }
    const QString first = QString::fromLocal8Bit(argv[1]);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        std::fputs(kHelp, stdout);
        return r;
    }
    if (first == QLatin1String("--version")) {
        std::fputs("runeboard 2.0\n", stdout);
        return r;
    }
    if (first.startsWith(QLatin1String("--"))) {
        say(QStringLiteral("runeboard: unknown option '%1'\nTry 'runeboard --help'.").arg(first));
        r.exitCode = kUsage;
        return r;
    }
    if (first != QLatin1String("convert") && first != QLatin1String("banner")) {
        // Files open in the editor, as do Qt's own options ("-style ..."); a word that is
        // neither is a subcommand mistyped, which would otherwise open as a drawing.
        r.editor = first.startsWith(QLatin1Char('-')) || QFileInfo::exists(first);
        if (r.editor) return r;
        const std::optional<QString> meant = nearestCommand(first);
        say(QStringLiteral("runeboard: unknown command '%1'%2\nTry 'runeboard --help'.")
                .arg(first, meant ? QStringLiteral(" (did you mean %1?)").arg(*meant) : QString()));
        r.exitCode = kUsage;
        return r;
    }

    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    Options options;
    if (const auto f = parse(args, options)) return fail(first, *f);
    // Never a window: fonts and pictures are drawn off the screen, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the converter's own messages only, not Qt's notes about the session.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) say(message);
    });
    const bool converting = first == QLatin1String("convert");
    QByteArray picture;
    if (converting)
        if (const auto f = readAll(options.input, convert::kMaxPixels * 4, &picture)) return fail(first, *f);
    int qtArgc = 1;
    // Only a banner or a vector picture needs fonts.
    const auto app = backend.application(qtArgc, argv, !converting || looksLikeSvg(picture));
    bool handOn = false;
    const auto f =
        converting ? runConvert(options, picture, backend, &handOn) : runBanner(options, backend, &handOn);
    if (handOn) {
        r.handOn = true;
        if (converting && options.input == QLatin1String("-")) {
            r.handOnInput = picture;
            r.handOnInputArg = int(options.inputAt) + 1;
        }
        return r;
    }
    if (f) return fail(first, *f);
    return r;
}

} // namespace cli
