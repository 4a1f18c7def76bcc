// A platform for tests: scripted answers, recorded calls, nothing modal.
#pragma once

#include "ui/platform/UiPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

class FakePlatform final : public UiPlatform {
public:
    struct Message {
        QString text, caption;
        MessageButtons buttons;
        MessageKind kind;
    };

    // Answers given to message boxes, in order; Ok/Cancel-less boxes default to Ok, others to Cancel.
    QList<MessageAnswer> answers;
    QList<Message> messages;
    // Called as each message box is shown, before it is answered.
    std::function<void(const Message&)> onMessage;
    // Names returned by the file dialogs, in order; an empty string is a cancel.
    QStringList openNames, saveNames;
    // The save dialog's filters as offered, the one it showed first, and the ones to choose
    // in order (none: the one shown first stays).
    QString saveFilterOffered, saveFilterShown;
    QStringList saveFilterChoices;
    int saveDialogs = 0, openDialogs = 0;
    // Called with a dialog shown modally; its return value is the dialog's result.
    std::function<int(QDialog&)> onDialog;
    QList<QDialog*> dialogsShown;

    QString clipboard;
    QList<QUrl> opened;
    // Beside the test programs, where the build puts the program's own files.
    QString programDirectory = QCoreApplication::applicationDirPath();
    QString userDirectory; // no per-user folder unless a test gives one
    qint64 clock = 0;

    MessageAnswer messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                             MessageKind kind) override;
    QString openFileName(const QString&, const QString&) override;
    QString saveFileName(const QStringList& filters, const QString&, const QString&,
                         int* selectedFilter = nullptr) override;
    int execDialog(QDialog& dialog) override;
    QString clipboardText() override { return clipboard; }
    bool clipboardHasText() override { return !clipboard.isEmpty(); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    // Whether the system has a program for the addresses opened.
    bool canOpen = true;
    bool openExternal(const QUrl& url) override {
        opened << url;
        return canOpen;
    }
    QString programDir() override { return programDirectory; }
    QString userConfigDir() override { return userDirectory; }
    QString tempDirectory = QDir::tempPath();
    QString tempDir() override { return tempDirectory; }
    QStringList pictureNames;
    QString pictureFileName(const QString&) override {
        return pictureNames.isEmpty() ? QString() : pictureNames.takeFirst();
    }
    QImage clipboardPicture;
    QImage clipboardImage() override { return clipboardPicture; }
    qint64 clockMs() override { return clock; }
    // Settings kept in memory, so tests never touch the user's.
    QHash<QString, QVariant> settings;
    QVariant setting(const QString& key) override { return settings.value(key); }
    void setSetting(const QString& key, const QVariant& value) override { settings.insert(key, value); }

    // Print dialog: each call takes the next answer (default: cancel); when printing, output goes to
    // printPdf.
    QList<bool> printAnswers;
    QString printPdf;
    int printDialogs = 0, printerSetups = 0;
    bool printDialog(QPrinter& printer) override;
    void printerSetupDialog(QPrinter&) override { ++printerSetups; }
};
