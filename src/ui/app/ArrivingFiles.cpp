// Files arriving at the frame.
#include "ArrivingFiles.h"

#include "core/platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

bool ArrivingFiles::isPictureFile(const QString& path) {
    static const QStringList kSuffixes{QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("jpe"),
                                       QStringLiteral("jfif"), QStringLiteral("bmp"),  QStringLiteral("dib"),
                                       QStringLiteral("ico"),  QStringLiteral("png"),  QStringLiteral("gif"),
                                       QStringLiteral("svg"),  QStringLiteral("svgz")};
    return kSuffixes.contains(QFileInfo(path).suffix().toLower());
}

bool ArrivingFiles::isTextFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

bool ArrivingFiles::accepts(const QMimeData& data) {
    return data.hasUrls() || data.hasText();
}

void ArrivingFiles::drop(const QMimeData& data, QObject* context) {
    const QString kinds = QStringLiteral("只能放入文本文件（.txt）或图片（JPEG、BMP、ICO、PNG、GIF、SVG）。");
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty()) {
        m_platform.messageBox(QStringLiteral("这里%1").arg(kinds), QStringLiteral("Runeboard"),
                              MessageButtons::Ok, MessageKind::Warning);
        return;
    }
    QStringList texts, pictures, refused;
    for (const QUrl& url : urls) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        if (isTextFile(path))
            texts << path;
        else if (isPictureFile(path) && pictures.isEmpty())
            pictures << path;
        else if (isPictureFile(path))
            refused << QStringLiteral("%1（一次只导入一张图片）").arg(QDir::toNativeSeparators(path));
        else
            refused << (path.isEmpty() ? url.toDisplayString() : QDir::toNativeSeparators(path));
    }
    QMetaObject::invokeMethod(
        context,
        [this, texts, pictures, refused, kinds] {
            for (const QString& path : texts) m_open(path);
            if (!refused.isEmpty())
                m_platform.messageBox(QStringLiteral("无法打开拖入的文件：\n\n· %1\n\n%2")
                                          .arg(refused.join(QStringLiteral("\n· ")), kinds),
                                      QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
            if (!pictures.isEmpty()) m_import(pictures.first());
        },
        Qt::QueuedConnection);
}

void ArrivingFiles::openAtStart(const QStringList& paths, QObject* context) {
    // A picture is for the import dialog, as on a drop, and one at a time; its result needs a drawing.
    QStringList texts, pictures;
    for (const QString& path : paths)
        (isPictureFile(path) ? pictures : texts) << QFileInfo(path).absoluteFilePath();
    if (texts.isEmpty()) {
        m_newDrawing();
        if (pictures.isEmpty()) return;
    }
    QMetaObject::invokeMethod(
        context,
        [this, texts, pictures] {
            int opened = 0;
            for (const QString& path : texts) opened += m_open(path);
            if (!texts.isEmpty() && opened == 0) m_newDrawing();
            if (pictures.isEmpty()) return;
            if (pictures.size() > 1) {
                QStringList names;
                for (const QString& p : pictures.mid(1)) names << QDir::toNativeSeparators(p);
                m_platform.messageBox(QStringLiteral("一次只导入一张图片，没有导入：\n\n· %1")
                                          .arg(names.join(QStringLiteral("\n· "))),
                                      QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
            }
            m_import(pictures.first());
        },
        Qt::QueuedConnection);
}
