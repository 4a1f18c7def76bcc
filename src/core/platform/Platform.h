// Everything the program asks of the outside world that a command may need:
// message boxes, file names, the clipboard, the system's programs, folders and
// the clock. Windows and commands talk to this interface only, so tests can
// script every answer and nothing ever blocks on a modal window.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

// WriteSaveAsCancel: "写入" answers Yes, "另存为" No.
enum class MessageButtons { Ok, YesNo, YesNoCancel, WriteSaveAsCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class MessageKind { Information, Warning, Error, Question };

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box over the window the user works in.
    virtual MessageAnswer messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                                     MessageKind kind) = 0;

    // File dialogs return an empty string when cancelled. The save dialog asks
    // no overwrite question of its own: the program asks it. It offers the file types of
    // `filters`; *selectedFilter, when given, is the index of the one shown first and receives
    // the index of the one chosen.
    virtual QString openFileName(const QString& filter, const QString& initialName) = 0;
    virtual QString saveFileName(const QStringList& filters, const QString& defaultSuffix,
                                 const QString& initialName, int* selectedFilter = nullptr) = 0;
    // The open dialog for pictures.
    virtual QString pictureFileName(const QString& filter) = 0;

    // The clipboard's plain text, as Unicode.
    virtual QString clipboardText() = 0;
    virtual bool clipboardHasText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // The clipboard's picture, or a null image.
    virtual QImage clipboardImage() = 0;

    // Opens a file or address with the system's program for it.
    virtual bool openExternal(const QUrl& url) = 0;

    // The folder that holds the program file, without a trailing separator.
    virtual QString programDir() = 0;
    // The user's own folder for the program's files, for when the program's folder cannot be written.
    virtual QString userConfigDir() = 0;
    // A folder of this run's own for temporary files: inside the system's temporary folder, the
    // user's alone, under a name no other run uses (see RunFolder); empty when it cannot be made.
    virtual QString tempDir() = 0;

    virtual qint64 clockMs() = 0;

    // Values kept between runs (window placement, view choices); invalid when never set.
    virtual QVariant setting(const QString& key) = 0;
    virtual void setSetting(const QString& key, const QVariant& value) = 0;
};
