// The File menu's commands and the New dialog's command: open, save, save as,
// new, printer setup and print, acting on the frame's active drawing.
#pragma once

#include <QString>

#include <memory>

class Platform;
class QPrinter;
class TChildForm;
class TMainForm;
class TNewForm;

class FileCommands {
public:
    FileCommands(TMainForm& main, Platform& platform);
    ~FileCommands();

    void setNewForm(TNewForm* form) { m_newForm = form; }

    void newDrawing();                  // N3Click
    void open();                        // O1Click
    bool openFile(const QString& path); // the file as if chosen in the Open dialog
    bool save(TChildForm& child);       // S1Click on a drawing; true when written
    void saveAs(TChildForm& child);     // N4Click
    void printerSetup();                // E2Click
    void print(TChildForm& child);      // P2Click

    QPrinter& printer();

private:
    // The save dialog and the overwrite question; on a name chosen, the drawing takes it.
    bool chooseName(TChildForm& child);
    // Asks before replacing an existing file; false when the user says no.
    bool confirmOverwrite(const QString& path);
    bool write(TChildForm& child);
    void error(const QString& text);

    TMainForm& m_main;
    Platform& m_platform;
    TNewForm* m_newForm = nullptr;
    QString m_lastSaveName; // the save dialog starts with the name last chosen in it
    std::unique_ptr<QPrinter> m_printer;
};
