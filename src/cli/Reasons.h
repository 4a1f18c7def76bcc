// Why the converter failed, in the messages' language: the names it gives files, and the
// reasons for a picture that would not convert and a file that could not be written.
#pragma once

#include "Options.h"

#include "core/convert/PictureError.h"
#include "core/text/FileError.h"

#include <QString>

namespace cli {

// What the messages call a file named on the command line ("-" is standard input).
QString nameOf(const QString& path);

// Why a picture would not convert.
QString reasonText(const convert::PictureError& e);

// The failure of writing `path`.
Failure writeFailure(const QString& path, const FileError& problem);

} // namespace cli
