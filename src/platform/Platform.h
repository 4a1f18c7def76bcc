// Everything the program asks of the outside world. Windows talk to this
// interface only, so tests can script every answer and nothing ever blocks on a
// modal window.
#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

class QDialog;
class QPrinter;
class QWidget;

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class MessageKind { Information, Warning, Error, Question };

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageKind kind) = 0;

    // File dialogs return an empty string when cancelled. The save dialog asks
    // no overwrite question of its own: the program asks it.
    virtual QString openFileName(QWidget* owner, const QString& filter, const QString& initialName) = 0;
    virtual QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix,
                                 const QString& initialName) = 0;
    virtual QString pictureFileName(QWidget* owner, const QString& filter) = 0;

    // Shows one of the program's own dialogs modally; returns its result code.
    virtual int execDialog(QDialog& dialog) = 0;

    virtual QString clipboardText() = 0;
    virtual bool clipboardHasText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QImage clipboardImage() = 0;

    // Opens a file or address with the system's program for it.
    virtual bool openExternal(const QUrl& url) = 0;

    // The folder that holds the program file, without a trailing separator.
    virtual QString programDir() = 0;
    virtual QString tempDir() = 0;

    virtual qint64 clockMs() = 0;

    // The print dialog (true: print) and the printer setup dialog, on the program's printer.
    virtual bool printDialog(QWidget* owner, QPrinter& printer) = 0;
    virtual void printerSetupDialog(QWidget* owner, QPrinter& printer) = 0;
};
