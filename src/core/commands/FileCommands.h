// The File menu's text file commands: open, save and save as, on the frame's
// drawings. Dialogs and messages go through the platform.
#pragma once

#include "core/text/TextEncoding.h"

#include <QString>

#include <optional>

class Drawing;
class DrawingHost;

class FileCommands {
public:
    explicit FileCommands(DrawingHost& host) : m_host(host) {}

    void open(); // O1Click
    // The file as if chosen in the Open dialog; a relative path is taken from the working folder.
    // Its encoding is found from its bytes unless one is given.
    bool openFile(const QString& path, std::optional<TextEncoding> encoding = std::nullopt);
    // Reads the drawing's file again, in the same window, as GBK when it was read as UTF-8 and
    // as UTF-8 otherwise. Unsaved changes would be lost: the user is asked first.
    bool reopenInOtherEncoding(Drawing& drawing);
    // The window caption of a drawing read from or written to `path`.
    static QString captionFor(const QString& path, TextEncoding encoding);
    bool save(Drawing& drawing);   // S1Click on a drawing; true when written
    void saveAs(Drawing& drawing); // N4Click

private:
    struct Reading;
    // Reads and lays out the file, telling the user what went wrong; false when there is nothing to show.
    bool read(const QString& path, std::optional<TextEncoding> encoding, Reading& out);
    void show(Drawing& drawing, const Reading& reading);
    // The save dialog and the overwrite question; on a name chosen, the drawing takes it.
    bool chooseName(Drawing& drawing);
    // Asks before replacing an existing file; false when the user says no.
    bool confirmOverwrite(const QString& path);
    bool write(Drawing& drawing);
    void error(const QString& text);

    DrawingHost& m_host;
    QString m_lastSaveName; // the save dialog starts with the name last chosen in it
};
