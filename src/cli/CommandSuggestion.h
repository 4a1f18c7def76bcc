// The subcommand a mistyped word most likely meant, for the hint after "unknown command".
#pragma once

#include <QString>

#include <optional>

namespace cli {

// "convert" or "banner" when `word` is a slip of one of them (a letter or two wrong, missing,
// extra or swapped); nothing when it is nearer to neither.
std::optional<QString> nearestCommand(const QString& word);

} // namespace cli
