// Candidate file.
#include "CandidateFile.h"

#include "GbkText.h"
#include "TextFile.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace candidates {

bool programDirWritable(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

QString readPath(const QString& programDir, bool writable, const QString& userDir) {
    const QString own = programDir + QLatin1Char('/') + kFileName;
    if (writable || userDir.isEmpty()) return own;
    const QString user = userDir + QLatin1Char('/') + kFileName;
    return QFileInfo::exists(user) ? user : own;
}

QString writePath(const QString& programDir, bool writable, const QString& userDir) {
    if (writable || userDir.isEmpty()) return programDir + QLatin1Char('/') + kFileName;
    return userDir + QLatin1Char('/') + kFileName;
}

QStringList read(const QString& path, std::optional<FileError>* error) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = FileError{FileError::Kind::System, errno, file.errorString()};
        return {};
    }
    // A candidate file is a few lines; more than a megabyte is not one.
    const QByteArray bytes = file.read(1 << 20);
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = FileError{FileError::Kind::System, errno, file.errorString()};
        return {};
    }
    QStringList lines;
    for (const QByteArray& line : splitLines(bytes)) lines << gbkToUnicode(line);
    return lines;
}

std::optional<FileError> write(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += unicodeToGbk(line) + "\r\n";
    if (const QString dir = QFileInfo(path).absolutePath(); !QDir().mkpath(dir))
        return FileError{FileError::Kind::NoFolder, 0, dir};
    return writeFileAtomically(path, bytes);
}

} // namespace candidates
