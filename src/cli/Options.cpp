// The converter's command line.
#include "Options.h"

#include "core/convert/PictureLimits.h"
#include "core/text/GbkText.h"
#include "core/text/Integers.h"

namespace cli {

Failure usage(const QString& message) {
    return {kUsage, message + QStringLiteral("\nTry 'runeboard --help'.")};
}

std::optional<Failure> parse(const QStringList& args, Options& o) {
    o.command = args.value(0);
    const bool convert = o.command == QLatin1String("convert");
    bool haveInput = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        auto value = [&](QString* out) -> std::optional<Failure> {
            if (i + 1 >= args.size()) return usage(QStringLiteral("%1 needs a value").arg(a));
            *out = args[++i];
            return std::nullopt;
        };
        auto number = [&](std::optional<int>* out, int low, int high) -> std::optional<Failure> {
            QString text;
            if (auto f = value(&text)) return f;
            int v = 0;
            if (!parseInteger(text, &v) || v < low || v > high)
                return usage(QStringLiteral("%1 takes a whole number from %2 to %3, not '%4'")
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
            f = value(&o.output);
        else if (a == QLatin1String("--encoding"))
            f = value(&o.encoding);
        else if (a == QLatin1String("--invert"))
            o.invert = true;
        else if (convert && a == QLatin1String("--threshold"))
            f = number(&o.threshold, 0, 255);
        else if (convert && a == QLatin1String("--auto"))
            f = value(&o.autoMethod);
        else if (convert && a == QLatin1String("--gradient"))
            o.gradient = true;
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
            f = usage(QStringLiteral("unknown option '%1' for %2").arg(a, o.command));
        else if (haveInput)
            f = usage(QStringLiteral("one %1 at a time: '%2' is one too many")
                          .arg(convert ? QStringLiteral("picture") : QStringLiteral("text"), a));
        else
            o.input = a, o.inputAt = i, haveInput = true;
        if (f) return f;
    }
    if (!haveInput)
        return usage(convert ? QStringLiteral("convert needs a picture file (or - for standard input)")
                             : QStringLiteral("banner needs the text to draw"));
    if (!o.encoding.isEmpty() && o.encoding != QLatin1String("gbk") && o.encoding != QLatin1String("utf8"))
        return usage(QStringLiteral("--encoding is gbk or utf8, not '%1'").arg(o.encoding));
    if (!o.autoMethod.isEmpty() && o.autoMethod != QLatin1String("mean") &&
        o.autoMethod != QLatin1String("mode"))
        return usage(QStringLiteral("--auto is mean or mode, not '%1'").arg(o.autoMethod));
    if (o.threshold && !o.autoMethod.isEmpty())
        return usage(QStringLiteral("--threshold and --auto exclude each other"));
    if (o.gradient && (o.threshold || !o.autoMethod.isEmpty()))
        return usage(QStringLiteral("the letter gradient has no threshold"));
    if (o.gradient && !o.article.isEmpty())
        return usage(QStringLiteral("the letter gradient fills no cells from an article"));
    if (o.brush.isEmpty() || unicodeToGbk(o.brush).size() > 2 || gbkPrefix(o.brush, 2) != o.brush)
        return usage(QStringLiteral("--brush takes one Chinese character or two single-byte characters"));
    return std::nullopt;
}

} // namespace cli
