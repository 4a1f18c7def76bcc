// A platform for tests: scripted answers, recorded calls, nothing modal.
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QStringList>

#include <functional>

class FakePlatform final : public Platform {
public:
    struct Message {
        QString text, caption;
        MessageButtons buttons;
        MessageKind kind;
    };

    // Answers given to message boxes, in order; Ok/Cancel-less boxes default to Ok, others to Cancel.
    QList<MessageAnswer> answers;
    QList<Message> messages;
    // Names returned by the file dialogs, in order; an empty string is a cancel.
    QStringList openNames, saveNames, pictureNames;
    int saveDialogs = 0, openDialogs = 0;
    // Called with a dialog shown modally; its return value is the dialog's result.
    std::function<int(QDialog&)> onDialog;
    QList<QDialog*> dialogsShown;

    QString clipboard;
    QImage clipboardPicture;
    QList<QUrl> opened;
    QString programDirectory = QStringLiteral("/opt/runeboard");
    QString tempDirectory = QStringLiteral("/tmp");
    qint64 clock = 0;

    MessageAnswer messageBox(QWidget*, const QString& text, const QString& caption, MessageButtons buttons,
                             MessageKind kind) override;
    QString openFileName(QWidget*, const QString&, const QString&) override;
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override;
    QString pictureFileName(QWidget*, const QString&) override;
    int execDialog(QDialog& dialog) override;
    QString clipboardText() override { return clipboard; }
    bool clipboardHasText() override { return !clipboard.isEmpty(); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QImage clipboardImage() override { return clipboardPicture; }
    bool openExternal(const QUrl& url) override {
        opened << url;
        return true;
    }
    QString programDir() override { return programDirectory; }
    QString tempDir() override { return tempDirectory; }
    qint64 clockMs() override { return clock; }

    // Print dialog: each call takes the next answer (default: cancel); when printing, output goes to
    // printPdf.
    QList<bool> printAnswers;
    QString printPdf;
    int printDialogs = 0, printerSetups = 0;
    bool printDialog(QWidget*, QPrinter& printer) override;
    void printerSetupDialog(QWidget*, QPrinter&) override { ++printerSetups; }
};
