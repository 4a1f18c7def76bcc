// The nearest subcommand by edit distance.
#include "CommandSuggestion.h"

#include <QList>

#include <algorithm>

namespace cli {

namespace {

// Edits that turn a into b: a character inserted, deleted, changed, or two neighbours swapped.
int editDistance(const QString& a, const QString& b) {
    const qsizetype n = a.size(), m = b.size();
    // Three rows of the table: two back, the last, and the one being filled.
    QList<int> older(m + 1), last(m + 1), row(m + 1);
    for (qsizetype j = 0; j <= m; ++j) last[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        row[0] = int(i);
        for (qsizetype j = 1; j <= m; ++j) {
            const int change = a[i - 1] == b[j - 1] ? 0 : 1;
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], older[j - 2] + 1);
        }
        std::swap(older, last);
        std::swap(last, row);
    }
    return last[m];
}

} // namespace

std::optional<QString> nearestCommand(const QString& word) {
    const QString typed = word.toLower();
    std::optional<QString> best;
    int bestDistance = 0;
    for (const QString& command : {QStringLiteral("convert"), QStringLiteral("banner")}) {
        const int d = editDistance(typed, command);
        if (!best || d < bestDistance) best = command, bestDistance = d;
    }
    // Two slips at most: further off, a guess misleads more than it helps.
    if (bestDistance > 2) return std::nullopt;
    return best;
}

} // namespace cli
