// The platform seam carried out with Qt's dialogs, clipboard and desktop services.
#pragma once

#include "Platform.h"

class QtPlatform final : public Platform {
public:
    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageButtons buttons, MessageKind kind) override;
    QString openFileName(QWidget* owner, const QString& filter, const QString& initialName) override;
    QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix,
                         const QString& initialName) override;
    QString pictureFileName(QWidget* owner, const QString& filter) override;
    int execDialog(QDialog& dialog) override;
    QString clipboardText() override;
    bool clipboardHasText() override;
    void setClipboardText(const QString& text) override;
    QImage clipboardImage() override;
    bool openExternal(const QUrl& url) override;
    QString programDir() override;
    QString tempDir() override;
    qint64 clockMs() override;
    bool printDialog(QWidget* owner, QPrinter& printer) override;
    void printerSetupDialog(QWidget* owner, QPrinter& printer) override;
};
