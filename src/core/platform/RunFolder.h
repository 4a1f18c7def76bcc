// A folder of this run's own for temporary files, such as a conversion's preview: inside the
// system's temporary folder, which anyone may write, but the user's alone (mode 0700), under a
// name no other run uses; made on first use and removed with the object. Files are written into
// it without ever following a link.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QTemporaryDir;

class RunFolder {
public:
    // `parent` empty: the system's temporary folder as it is when the folder is first needed.
    explicit RunFolder(QString parent = {});
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    // The folder's path, made at the first call; empty while it cannot be made.
    QString path();

    struct Written {
        enum class Problem { None, NoFolder, NotPrivate, CannotWrite };
        Problem problem = Problem::None;
        QString path;   // the file written, or meant to be
        QString reason; // the system's words, for NoFolder and CannotWrite
    };
    // Writes `name` into `folder`, which must be a real folder (not a link) of the user's own that
    // nobody else can write. The bytes go to a new file that is then renamed over the name, so
    // whatever held the name, a link included, is replaced and nothing a link points to is written.
    static Written write(const QString& folder, const QString& name, const QByteArray& bytes);

private:
    QString m_parent;
    std::unique_ptr<QTemporaryDir> m_dir;
};
