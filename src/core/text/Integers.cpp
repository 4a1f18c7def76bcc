// Parsing whole numbers.
#include "Integers.h"

#include <QRegularExpression>

bool parseInteger(const QString& text, int* value) {
    static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!integer.match(text).hasMatch()) return false;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok) *value = v;
    return ok;
}
