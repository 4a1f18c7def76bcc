// Command-line converter.
#include "ConverterCli.h"
#include "CommandSuggestion.h"
#include "Localized.h"
#include "Options.h"
#include "Reasons.h"

#include "core/convert/CellConversion.h"
#include "core/convert/Conversion.h"
#include "core/convert/PictureLimits.h"
#include "core/text/GbkText.h"
#include "core/text/TextFile.h"
#include "core/text/TextLines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    "  runeboard --check-install           start the editor, say where it finds its help page and\n"
    "                                      candidate characters, and quit (1 if either is missing)\n"
    "\n"
    "convert:\n"
    "  --width N, --height N   the size in cells (default: the dialog's proposal, at most\n"
    "                          100 x 100; one of them alone keeps the picture's proportions)\n"
    "  --threshold N           grey from which a pixel is ink, 0..255 (default 150)\n"
    "  --auto mean|mode        the threshold from the mean or the most frequent grey\n"
    "  --mode threshold|gradient|dither|shapes\n"
    "                          ink from the threshold (default), the ten-step letter\n"
    "                          gradient, two colours dithered about the threshold, or\n"
    "                          each cell the block, line or letter whose shape is\n"
    "                          nearest the picture there\n"
    "  --gradient              the same as --mode gradient\n"
    "  --invert                swap ink and background (or reverse the gradient)\n"
    "  --png FILE              also write the result drawn as the editor's canvas draws it,\n"
    "                          as a PNG picture\n"
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

// Read with the system's calls, whose error numbers the messages put into their own language.
std::optional<Failure> readAll(const QString& path, qint64 limit, QByteArray* out) {
    const bool stdinput = path == QLatin1String("-");
    auto failed = [&](int code) {
        return Failure{kFailed,
                       localized(QStringLiteral("cannot read %1: %2"), QStringLiteral("无法读取%1：%2"))
                           .arg(nameOf(path), systemReason(code))};
    };
    const int fd =
        stdinput ? STDIN_FILENO : ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failed(errno);
    struct stat st;
    out->clear();
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        out->reserve(qsizetype(std::min<qint64>(st.st_size, limit + 1)));
    // A pipe gives its bytes in pieces: read until its end.
    int code = 0;
    QByteArray piece(1 << 20, Qt::Uninitialized);
    while (out->size() <= limit) {
        const ssize_t n = ::read(fd, piece.data(), size_t(piece.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) code = errno;
        if (n <= 0) break;
        out->append(piece.constData(), qsizetype(n));
    }
    if (!stdinput) ::close(fd);
    if (code != 0) return failed(code);
    if (out->size() > limit)
        return Failure{
            kFailed,
            localized(QStringLiteral("%1 is too large"), QStringLiteral("%1太大")).arg(nameOf(path))};
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
    if (article->isEmpty())
        return Failure{kFailed,
                       localized(QStringLiteral("the article %1 is empty"), QStringLiteral("文章%1是空的"))
                           .arg(nameOf(path))};
    return std::nullopt;
}

std::optional<Failure> print(const QByteArray& out) {
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) ||
        std::fflush(stdout) != 0)
        return Failure{kFailed, localized(QStringLiteral("cannot write to standard output: %1"),
                                          QStringLiteral("无法写入标准输出：%1"))
                                    .arg(systemReason(errno))};
    return std::nullopt;
}

// The lines printed or written as the options ask.
std::optional<Failure> emit(const QList<QByteArray>& lines, const Options& o) {
    if (o.destination != Destination::Lines) {
        // As the editor saves a drawing: space pairs as ideographic spaces, CR LF.
        QByteArray bytes;
        for (QByteArray line : lines) {
            pairSpaces(line);
            bytes += line + "\r\n";
        }
        if (o.encoding == TextEncoding::Utf8) bytes = gbkToUnicode(bytes).toUtf8();
        if (o.destination == Destination::DrawingToStandardOutput) return print(bytes);
        if (const std::optional<FileError> problem = writeFileAtomically(o.outputPath, bytes))
            return writeFailure(o.outputPath, *problem);
        return std::nullopt;
    }
    QByteArray out;
    for (const QByteArray& line : lines)
        out += (o.encoding == TextEncoding::Gbk ? line : gbkToUnicode(line).toUtf8()) + '\n';
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

// The picture of the lines, when asked for: written before the lines, so that a failure to write
// it leaves nothing half done.
std::optional<Failure> writePng(const QList<QByteArray>& lines, const Options& o, const Backend& backend) {
    if (o.pngPath.isEmpty()) return std::nullopt;
    const QByteArray png = backend.png(lines);
    if (png.isEmpty())
        return Failure{kFailed, localized(QStringLiteral("cannot draw the result for %1"),
                                          QStringLiteral("无法为%1画出结果"))
                                    .arg(nameOf(o.pngPath))};
    if (const std::optional<FileError> problem = writeFileAtomically(o.pngPath, png))
        return writeFailure(o.pngPath, *problem);
    return std::nullopt;
}

std::optional<Failure> runConvert(const Options& o, const QByteArray& bytes, const Backend& backend,
                                  bool* handOn) {
    // Shapes and pictures of the result need the fonts, which this backend may not draw.
    if ((o.mode == convert::Mode::Shapes && !backend.shapes) || (!o.pngPath.isEmpty() && !backend.png)) {
        *handOn = true;
        return std::nullopt;
    }
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
        proposalProblem =
            localized(QStringLiteral("no size fits this %1 × %2 picture; give --width and --height"),
                      QStringLiteral("没有适合这个 %1 × %2 图片的大小，请给出 --width 和 --height"))
                .arg(source.width())
                .arg(source.height());
        return {};
    };
    convert::PictureError error;
    QSize size;
    std::optional<convert::RgbRaster> picture;
    std::optional<QList<QByteArray>> shapes;
    if (o.mode == convert::Mode::Shapes)
        shapes = backend.shapes(bytes, target, o.invert, &error, &size);
    else
        picture = backend.scale(bytes, target, &error, &size, handOn);
    if (*handOn) return std::nullopt;
    if (!picture && !shapes)
        return Failure{kFailed,
                       localized(QStringLiteral("cannot convert %1: %2"), QStringLiteral("无法转换%1：%2"))
                           .arg(nameOf(o.input), reasonText(error))};
    if (!proposalProblem.isEmpty()) return Failure{kFailed, proposalProblem};
    const int w = std::min(size.width(), convert::kMaxSide), h = std::min(size.height(), convert::kMaxSide);
    if (w <= 0 || h <= 0)
        return Failure{kFailed, localized(QStringLiteral("a size of %1 × %2 makes no cells"),
                                          QStringLiteral("%1 × %2 的大小里没有一个格子"))
                                    .arg(size.width())
                                    .arg(size.height())};
    QList<QByteArray> lines;
    if (shapes) {
        lines = *shapes;
    } else {
        convert::ConversionSettings settings{.size = {w, h},
                                             .mode = o.mode,
                                             .threshold = o.threshold.value_or(convert::kDefaultThreshold),
                                             .invert = o.invert,
                                             .fill = fillOf(o, article)};
        settings.automatic = o.automatic;
        lines = convert::convertPicture(picture->constPixels(), settings).lines;
    }
    if (auto f = writePng(lines, o, backend)) return f;
    return emit(lines, o);
}

std::optional<Failure> runBanner(const Options& o, const Backend& backend, bool* handOn) {
    QByteArray article;
    if (!o.article.isEmpty())
        if (auto f = readArticle(o.article, &article)) return f;
    const int w = o.width.value_or(convert::kMaxSide), h = o.height.value_or(convert::kMaxSide);
    std::optional<QString> standIn;
    const std::optional<convert::RgbRaster> picture =
        backend.banner(o.input, o.font, o.size.value_or(10), o.bold, o.italic, o.underline, &standIn, handOn);
    if (*handOn || !picture) return std::nullopt;
    // Drawn all the same, as the dialog would draw it; but the script asked for another look.
    if (standIn)
        say(localized(
                QStringLiteral("runeboard banner: warning: the font '%1' is not installed; drawn in '%2' "
                               "instead"),
                QStringLiteral("runeboard banner：警告：没有安装字体“%1”，改用“%2”。"))
                .arg(o.font, *standIn));
    const convert::Conversion drawn =
        convert::convertPicture(picture->constPixels(), {.size = {w, h},
                                                         .source = convert::Source::Effect,
                                                         .invert = o.invert,
                                                         .fill = fillOf(o, article),
                                                         .cropToInk = true});
    if (drawn.area.isEmpty())
        return Failure{kFailed, localized(QStringLiteral("the text draws nothing in a %1 × %2 picture"),
                                          QStringLiteral("文字在 %1 × %2 的图片里什么也没画出来"))
                                    .arg(w)
                                    .arg(h)};
    return emit(drawn.lines, o);
}

} // namespace

Result run(int argc, char* argv[], const Backend& backend) {
    Result r;
    auto fail = [&](const QString& command, const Failure& f) {
        say(localized(QStringLiteral("runeboard %1: %2"), QStringLiteral("runeboard %1：%2"))
                .arg(command, f.message));
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
        std::fputs("runeboard " RUNEBOARD_VERSION "\n", stdout);
        return r;
    }
    // The editor answers it: what it finds is what it would use.
    if (first == QLatin1String("--check-install")) {
        r.editor = true;
        return r;
    }
    if (first.startsWith(QLatin1String("--"))) {
        say(localized(QStringLiteral("runeboard: unknown option '%1'"),
                      QStringLiteral("runeboard：未知的选项“%1”"))
                .arg(first) +
            QLatin1Char('\n') + helpHint());
        r.exitCode = kUsage;
        return r;
    }
    if (first != QLatin1String("convert") && first != QLatin1String("banner")) {
        // Files open in the editor, as do Qt's own options ("-style ..."); a word that is
        // neither is a subcommand mistyped, which would otherwise open as a drawing.
        r.editor = first.startsWith(QLatin1Char('-')) || QFileInfo::exists(first);
        if (r.editor) return r;
        const std::optional<QString> meant = nearestCommand(first);
        const QString hint =
            !meant ? QString()
                   : localized(QStringLiteral(" (did you mean %1?)"), QStringLiteral("（是不是要用 %1？）"))
                         .arg(*meant);
        say(localized(QStringLiteral("runeboard: unknown command '%1'%2"),
                      QStringLiteral("runeboard：未知的命令“%1”%2"))
                .arg(first, hint) +
            QLatin1Char('\n') + helpHint());
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
    // Only a banner, a vector picture, shapes and a picture of the result need fonts.
    const bool drawsText = options.mode == convert::Mode::Shapes || !options.pngPath.isEmpty();
    const auto app = backend.application(qtArgc, argv, !converting || drawsText || looksLikeSvg(picture));
    bool handOn = false;
    const auto f =
        converting ? runConvert(options, picture, backend, &handOn) : runBanner(options, backend, &handOn);
    if (handOn) {
        r.handOn = true;
        if (converting && options.input == QLatin1String("-")) r.handOnInput = picture;
        return r;
    }
    if (f) return fail(first, *f);
    return r;
}

} // namespace cli
