// The converter's command line.
#include "Options.h"

#include "Localized.h"

#include "core/convert/PictureLimits.h"
#include "core/text/GbkText.h"
#include "core/text/Integers.h"

namespace cli {

QString helpHint() {
    return localized(QStringLiteral("Try 'runeboard --help'."),
                     QStringLiteral("请用“runeboard --help”查看用法。"));
}

Failure usage(const QString& message) {
    return {kUsage, message + QLatin1Char('\n') + helpHint()};
}

QString Options::commandName() const {
    return command == Subcommand::Convert ? QStringLiteral("convert") : QStringLiteral("banner");
}

std::optional<Failure> parse(const QStringList& args, Options& o) {
    const bool convert = args.value(0) == QLatin1String("convert");
    o.command = convert ? Subcommand::Convert : Subcommand::Banner;
    // The words of the options that take one of a few words, checked once all is read.
    QString output, encoding, autoMethod, mode, png;
    bool haveInput = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        auto value = [&](QString* out) -> std::optional<Failure> {
            if (i + 1 >= args.size())
                return usage(
                    localized(QStringLiteral("%1 needs a value"), QStringLiteral("%1 需要一个值")).arg(a));
            *out = args[++i];
            return std::nullopt;
        };
        auto number = [&](std::optional<int>* out, int low, int high) -> std::optional<Failure> {
            QString text;
            if (auto f = value(&text)) return f;
            int v = 0;
            if (!parseInteger(text, &v) || v < low || v > high)
                return usage(localized(QStringLiteral("%1 takes a whole number from %2 to %3, not '%4'"),
                                       QStringLiteral("%1 需要 %2 到 %3 之间的整数，而不是“%4”"))
                                 .arg(a)
                                 .arg(low)
                                 .arg(high)
                                 .arg(text));
            *out = v;
            return std::nullopt;
        };
        std::optional<Failure> f;
        if (a == QLatin1String("--width"))
            f = number(&o.width, 0, convert ? convert::kMaxPictureSide : convert::kMaxSidePixels);
        else if (a == QLatin1String("--height"))
            f = number(&o.height, 0, convert ? convert::kMaxPictureSide : convert::kMaxSidePixels);
        else if (a == QLatin1String("--brush"))
            f = value(&o.brush);
        else if (a == QLatin1String("--article"))
            f = value(&o.article);
        else if (a == QLatin1String("-o"))
            f = value(&output);
        else if (convert && a == QLatin1String("--png"))
            f = value(&png);
        else if (a == QLatin1String("--encoding"))
            f = value(&encoding);
        else if (a == QLatin1String("--invert"))
            o.invert = true;
        else if (convert && a == QLatin1String("--threshold"))
            f = number(&o.threshold, 0, 255);
        else if (convert && a == QLatin1String("--auto"))
            f = value(&autoMethod);
        else if (convert && a == QLatin1String("--gradient"))
            mode = QStringLiteral("gradient");
        else if (convert && a == QLatin1String("--mode"))
            f = value(&mode);
        else if (!convert && a == QLatin1String("--font"))
            f = value(&o.font);
        else if (!convert && a == QLatin1String("--size"))
            f = number(&o.size, 1, 200);
        else if (!convert && a == QLatin1String("--bold"))
            o.bold = true;
        else if (!convert && a == QLatin1String("--italic"))
            o.italic = true;
        else if (!convert && a == QLatin1String("--underline"))
            o.underline = true;
        else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-"))
            f = usage(
                localized(QStringLiteral("unknown option '%1' for %2"), QStringLiteral("%2 没有选项“%1”"))
                    .arg(a, o.commandName()));
        else if (haveInput)
            f = usage((convert ? localized(QStringLiteral("one picture at a time: '%1' is one too many"),
                                           QStringLiteral("一次只能转换一张图片：“%1”是多余的"))
                               : localized(QStringLiteral("one text at a time: '%1' is one too many"),
                                           QStringLiteral("一次只能画一段文字：“%1”是多余的")))
                          .arg(a));
        else
            o.input = a, haveInput = true;
        if (f) return f;
    }
    if (!haveInput)
        return usage(convert
                         ? localized(QStringLiteral("convert needs a picture file (or - for standard input)"),
                                     QStringLiteral("convert 需要一个图片文件（或用 - 表示标准输入）"))
                         : localized(QStringLiteral("banner needs the text to draw"),
                                     QStringLiteral("banner 需要一段要画的文字")));
    if (encoding == QLatin1String("gbk"))
        o.encoding = TextEncoding::Gbk;
    else if (encoding == QLatin1String("utf8"))
        o.encoding = TextEncoding::Utf8;
    else if (!encoding.isEmpty())
        return usage(localized(QStringLiteral("--encoding is gbk or utf8, not '%1'"),
                               QStringLiteral("--encoding 只能是 gbk 或 utf8，而不是“%1”"))
                         .arg(encoding));
    if (mode == QLatin1String("gradient"))
        o.mode = convert::Mode::Gradient;
    else if (mode == QLatin1String("dither"))
        o.mode = convert::Mode::Dither;
    else if (mode == QLatin1String("shapes"))
        o.mode = convert::Mode::Shapes;
    else if (!mode.isEmpty() && mode != QLatin1String("threshold"))
        return usage(
            localized(QStringLiteral("--mode is threshold, gradient, dither or shapes, not '%1'"),
                      QStringLiteral("--mode 只能是 threshold、gradient、dither 或 shapes，而不是“%1”"))
                .arg(mode));
    if (png == QLatin1String("-"))
        return usage(localized(QStringLiteral("--png needs a file name; standard output carries the lines"),
                               QStringLiteral("--png 需要一个文件名；标准输出用来输出文字")));
    o.pngPath = png;
    if (autoMethod == QLatin1String("mean"))
        o.automatic = convert::ThresholdMethod::Mean;
    else if (autoMethod == QLatin1String("mode"))
        o.automatic = convert::ThresholdMethod::MostFrequent;
    else if (!autoMethod.isEmpty())
        return usage(localized(QStringLiteral("--auto is mean or mode, not '%1'"),
                               QStringLiteral("--auto 只能是 mean 或 mode，而不是“%1”"))
                         .arg(autoMethod));
    // "-" is standard output, as it is standard input for the picture: a drawing for a pipe.
    if (output == QLatin1String("-"))
        o.destination = Destination::DrawingToStandardOutput;
    else if (!output.isEmpty())
        o.destination = Destination::File, o.outputPath = output;
    const bool gradient = o.mode == convert::Mode::Gradient, shapes = o.mode == convert::Mode::Shapes;
    if (o.threshold && o.automatic)
        return usage(localized(QStringLiteral("--threshold and --auto exclude each other"),
                               QStringLiteral("--threshold 和 --auto 不能同时使用")));
    if (gradient && (o.threshold || o.automatic))
        return usage(localized(QStringLiteral("the letter gradient has no threshold"),
                               QStringLiteral("字母梯度转换没有开关值")));
    if (shapes && (o.threshold || o.automatic))
        return usage(localized(QStringLiteral("shape matching has no threshold"),
                               QStringLiteral("形状匹配没有开关值")));
    if (gradient && !o.article.isEmpty())
        return usage(localized(QStringLiteral("the letter gradient fills no cells from an article"),
                               QStringLiteral("字母梯度转换不用文章填充格子")));
    if (shapes && !o.article.isEmpty())
        return usage(localized(QStringLiteral("shape matching fills no cells from an article"),
                               QStringLiteral("形状匹配不用文章填充格子")));
    if (o.brush.isEmpty() || unicodeToGbk(o.brush).size() > 2 || gbkPrefix(o.brush, 2) != o.brush)
        return usage(
            localized(QStringLiteral("--brush takes one Chinese character or two single-byte characters"),
                      QStringLiteral("--brush 只能是一个汉字或两个单字节字符")));
    return std::nullopt;
}

} // namespace cli
