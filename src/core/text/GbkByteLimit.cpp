// GBK byte limit.
#include "GbkByteLimit.h"

#include "GbkText.h"

QValidator::State GbkByteLimit::validate(QString& input, int&) const {
    return unicodeToGbk(input).size() <= m_max ? Acceptable : Invalid;
}
