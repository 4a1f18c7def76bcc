// The converter's option parser on any argument list (arguments separated by
// zero bytes): it accepts or names the problem, and what it accepts is in range.
#include "FuzzCheck.h"

#include "cli/Options.h"

#include "core/convert/PictureLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    QStringList args{in.take() & 1 ? QStringLiteral("convert") : QStringLiteral("banner")};
    const QByteArray rest(reinterpret_cast<const char*>(in.data), qsizetype(in.size));
    for (const QByteArray& a : rest.split('\0')) args << QString::fromUtf8(a);
    cli::Options o;
    if (const auto failure = cli::parse(args, o)) {
        FUZZ_CHECK(failure->code == cli::kUsage);
        FUZZ_CHECK(failure->message.endsWith(cli::helpHint()));
        return 0;
    }
    FUZZ_CHECK(args.contains(o.input));
    const int side =
        o.command == cli::Subcommand::Convert ? convert::kMaxPictureSide : convert::kMaxSidePixels;
    if (o.width) FUZZ_CHECK(*o.width >= 0 && *o.width <= side);
    if (o.height) FUZZ_CHECK(*o.height >= 0 && *o.height <= side);
    if (o.threshold) FUZZ_CHECK(*o.threshold >= 0 && *o.threshold <= 255);
    if (o.size) FUZZ_CHECK(*o.size >= 1 && *o.size <= 200);
    FUZZ_CHECK(!o.brush.isEmpty());
    return 0;
}
