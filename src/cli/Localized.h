// The converter's messages in the locale's language: Chinese where the locale asks for it,
// English elsewhere, and never the two mixed within a run.
#pragma once

#include <QString>

namespace cli {

// Whether messages are Chinese: the first of LC_ALL, LC_MESSAGES and LANG that is set decides,
// as for the C library's messages, and a value starting with "zh" means Chinese.
bool chineseMessages();

// The English or the Chinese text, as the locale asks.
QString localized(const QString& english, const QString& chinese);

// The system's reason for an error number (errno) in the messages' language; `words` are the
// system's own (English) words, for a number it did not give.
QString systemReason(int code, const QString& words = {});

} // namespace cli
