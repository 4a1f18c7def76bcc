// Files that arrive at the frame, dropped on it or named on the command line: text files
// open as drawings, a picture opens the import dialog with it loaded (one at a time), and
// anything else is refused with a message.
#pragma once

#include <QStringList>

#include <functional>

class QMimeData;
class QObject;
class Platform;

class ArrivingFiles {
public:
    // Opens a text file as a drawing; false when it could not.
    using Open = std::function<bool(const QString& path)>;
    using Import = std::function<void(const QString& path)>;
    using NewDrawing = std::function<void()>;

    ArrivingFiles(Platform& platform, Open open, Import import, NewDrawing newDrawing)
        : m_platform(platform), m_open(std::move(open)), m_import(std::move(import)),
          m_newDrawing(std::move(newDrawing)) {}

    // Whether the frame takes the drag at all; what cannot be used is told on the drop.
    static bool accepts(const QMimeData& data);
    // The drop: answered once the drop has finished, as the user may be dragging from another program.
    void drop(const QMimeData& data, QObject* context);
    // The files named on the command line, in place of the empty start-up drawing unless none
    // of them opens. Opened once the frame is up, so that what a file lost is told over it.
    void openAtStart(const QStringList& paths, QObject* context);

    // Text files by their suffix; pictures by the suffixes the import dialog reads.
    static bool isTextFile(const QString& path);
    static bool isPictureFile(const QString& path);

private:
    Platform& m_platform;
    Open m_open;
    Import m_import;
    NewDrawing m_newDrawing;
};
