// The brush chooser's candidate characters, kept in "pentext.txt": beside the
// program, or in the user's configuration folder when the program's folder
// cannot be written (an installed program). GBK text, CR LF when written; any
// line end is accepted when read.
#pragma once

#include "FileError.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace candidates {

inline const QString kFileName = QStringLiteral("pentext.txt");

// Whether the program's folder takes the file: an existing folder that can be written.
bool programDirWritable(const QString& programDir);
// The file to read: the program's copy, unless the program's folder cannot be
// written and the user has a copy of their own.
QString readPath(const QString& programDir, bool programDirWritable, const QString& userDir);
// The file to write: beside the program where that folder can be written, else the user's copy.
QString writePath(const QString& programDir, bool programDirWritable, const QString& userDir);

// The file's lines; on failure *error says why and the result is empty.
QStringList read(const QString& path, std::optional<FileError>* error);
// Writes the lines, each followed by CR LF, replacing the file (and making its folder). Returns
// why it failed, if it did.
std::optional<FileError> write(const QString& path, const QStringList& lines);

} // namespace candidates
