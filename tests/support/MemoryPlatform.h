// A platform for core tests: the clipboard and the settings in memory, no
// dialogs (their questions are answered Cancel, their file names empty).
#pragma once

#include "core/platform/Platform.h"

#include <QHash>

class MemoryPlatform final : public Platform {
public:
    MessageAnswer messageBox(const QString&, const QString&, MessageButtons, MessageKind) override {
        ++messages;
        return MessageAnswer::Cancel;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QStringList&, const QString&, const QString&, int* = nullptr) override {
        return {};
    }
    QString clipboardText() override { return clipboard; }
    bool clipboardHasText() override { return !clipboard.isEmpty(); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    bool openExternal(const QUrl&) override { return false; }
    QString programDir() override { return {}; }
    QString userConfigDir() override { return {}; }
    QString tempDir() override { return {}; }
    QString pictureFileName(const QString&) override { return {}; }
    QImage clipboardImage() override { return {}; }
    qint64 clockMs() override { return 0; }
    QVariant setting(const QString& key) override { return settings.value(key); }
    void setSetting(const QString& key, const QVariant& value) override { settings.insert(key, value); }

    QString clipboard;
    QHash<QString, QVariant> settings;
    int messages = 0;
};
