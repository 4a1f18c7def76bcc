// The File menu's text file commands: open, save and save as, on the frame's
// drawings. Dialogs and messages go through the platform.
#pragma once

#include <QString>

class Drawing;
class DrawingHost;

class FileCommands {
public:
    explicit FileCommands(DrawingHost& host) : m_host(host) {}

    void open(); // O1Click
    // The file as if chosen in the Open dialog; a relative path is taken from the working folder.
    bool openFile(const QString& path);
    bool save(Drawing& drawing);   // S1Click on a drawing; true when written
    void saveAs(Drawing& drawing); // N4Click

private:
    // The save dialog and the overwrite question; on a name chosen, the drawing takes it.
    bool chooseName(Drawing& drawing);
    // Asks before replacing an existing file; false when the user says no.
    bool confirmOverwrite(const QString& path);
    bool write(Drawing& drawing);
    void error(const QString& text);

    DrawingHost& m_host;
    QString m_lastSaveName; // the save dialog starts with the name last chosen in it
};
