// Telling a text file's encoding from its bytes.
#pragma once

#include "core/model/FileEncoding.h"

#include <QByteArrayView>

// The encoding of a file from its first bytes: UTF-8 when they start with a UTF-8
// byte-order mark, or are valid UTF-8 holding at least one multi-byte character;
// GBK otherwise. When `whole` is false the bytes are only the start of the file, and a
// character cut off at their end does not count against UTF-8.
TextEncoding detectEncoding(QByteArrayView head, bool whole);

// How many bytes at the end of `bytes` are the start of a UTF-8 sequence still
// waiting for the rest of its bytes (0 to 3).
qsizetype incompleteUtf8Tail(QByteArrayView bytes);
