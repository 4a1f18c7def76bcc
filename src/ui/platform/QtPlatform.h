// The platform seam carried out with Qt's dialogs, clipboard and desktop services.
#pragma once

#include "UiPlatform.h"
#include "core/platform/RunFolder.h"

class QFileDialog;

class QtPlatform final : public UiPlatform {
public:
    MessageAnswer messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                             MessageKind kind) override;
    QString openFileName(const QString& filter, const QString& initialName) override;
    QString saveFileName(const QStringList& filters, const QString& defaultSuffix, const QString& initialName,
                         int* selectedFilter = nullptr) override;
    QString pictureFileName(const QString& filter) override;
    QString clipboardText() override;
    QImage clipboardImage() override;
    QString tempDir() override;
    bool clipboardHasText() override;
    void setClipboardText(const QString& text) override;
    bool openExternal(const QUrl& url) override;
    QString programDir() override;
    QString userConfigDir() override;
    qint64 clockMs() override;
    QVariant setting(const QString& key) override;
    void setSetting(const QString& key, const QVariant& value) override;
    int execDialog(QDialog& dialog) override;
    bool printDialog(QPrinter& printer) override;
    void printerSetupDialog(QPrinter& printer) override;

private:
    // File dialogs start in the folder of the last file chosen, remembered between runs.
    QString lastFolder();
    QString chosen(QFileDialog& dialog); // runs the dialog; remembers the chosen file's folder
    RunFolder m_runFolder;
};
