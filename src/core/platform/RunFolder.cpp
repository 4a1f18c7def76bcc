// The run's own temporary folder.
#include "RunFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

RunFolder::RunFolder(QString parent) : m_parent(std::move(parent)) {}

RunFolder::~RunFolder() = default;

QString RunFolder::path() {
    if (!m_dir) {
        const QString parent = m_parent.isEmpty() ? QDir::tempPath() : m_parent;
        auto dir = std::make_unique<QTemporaryDir>(parent + QStringLiteral("/runeboard-XXXXXX"));
        if (!dir->isValid()) return {};
        // Made 0700 already; said again so that no library default can loosen it.
        if (::chmod(QFile::encodeName(dir->path()).constData(), 0700) != 0) return {};
        m_dir = std::move(dir);
    }
    return m_dir->path();
}

RunFolder::Written RunFolder::write(const QString& folder, const QString& name, const QByteArray& bytes) {
    Written out;
    out.path = folder + QLatin1Char('/') + name;
    struct stat st {};
    if (::lstat(QFile::encodeName(folder).constData(), &st) != 0) {
        out.problem = Written::Problem::NoFolder;
        out.reason = systemError(errno);
        return out;
    }
    // A link, or a folder others can write, could hand the name to someone else.
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0) {
        out.problem = Written::Problem::NotPrivate;
        return out;
    }
    // A new file of a name nobody can have prepared (created exclusively, so never through a link),
    // then renamed over the name: a link there is replaced, its target left alone.
    QTemporaryFile file(out.path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        out.problem = Written::Problem::CannotWrite;
        out.reason = file.errorString();
        return out;
    }
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(out.path).constData()) != 0) {
        out.problem = Written::Problem::CannotWrite;
        out.reason = systemError(errno);
        return out;
    }
    file.setAutoRemove(false); // it is the named file now
    return out;
}
