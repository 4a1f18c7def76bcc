// Qt implementation of the platform seam.
#include "QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace {

QMessageBox::Icon iconFor(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Dialogs belong to the window the user works in: a dialog already open, else the active window.
QWidget* owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// The folder the last file was chosen in, by any of the file dialogs, in this run or an earlier one.
const QString kFolderKey = QStringLiteral("files/folder");

} // namespace

QString QtPlatform::lastFolder() {
    const QString folder = setting(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString QtPlatform::chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    setSetting(kFolderKey, QFileInfo(path).absolutePath());
    return path;
}

MessageAnswer QtPlatform::messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                                     MessageKind kind) {
    QMessageBox box(iconFor(kind), caption, text, QMessageBox::NoButton, owner());
    box.setObjectName(QStringLiteral("MessageBox"));
    // Chinese button captions, as the rest of the program speaks Chinese.
    auto add = [&](QMessageBox::StandardButton b, const QString& caption) {
        box.addButton(b)->setText(caption);
    };
    switch (buttons) {
    case MessageButtons::Ok:
        add(QMessageBox::Ok, QStringLiteral("确定"));
        break;
    case MessageButtons::YesNo:
        add(QMessageBox::Yes, QStringLiteral("是(&Y)"));
        add(QMessageBox::No, QStringLiteral("否(&N)"));
        break;
    case MessageButtons::YesNoCancel:
        add(QMessageBox::Yes, QStringLiteral("是(&Y)"));
        add(QMessageBox::No, QStringLiteral("否(&N)"));
        add(QMessageBox::Cancel, QStringLiteral("取消"));
        break;
    case MessageButtons::WriteSaveAsCancel:
        add(QMessageBox::Yes, QStringLiteral("写入(&W)"));
        add(QMessageBox::No, QStringLiteral("另存为(&A)"));
        add(QMessageBox::Cancel, QStringLiteral("取消"));
        box.setDefaultButton(QMessageBox::No); // the safe choice: the file stays as it is
        break;
    }
    if (buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

QString QtPlatform::openFileName(const QString& filter, const QString& initialName) {
    QFileDialog dialog(owner(), QStringLiteral("打开"), lastFolder(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!initialName.isEmpty()) dialog.selectFile(initialName); // a name with its folder starts there
    return chosen(dialog);
}

QString QtPlatform::saveFileName(const QStringList& filters, const QString& defaultSuffix,
                                 const QString& initialName, int* selectedFilter) {
    QFileDialog dialog(owner(), QStringLiteral("保存"), lastFolder());
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // the program asks its own question
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (selectedFilter && *selectedFilter >= 0 && *selectedFilter < filters.size())
        dialog.selectNameFilter(filters[*selectedFilter]);
    if (!initialName.isEmpty()) dialog.selectFile(initialName); // a name with its folder starts there
    const QString path = chosen(dialog);
    // The file types are told apart by their place in the list, never by their words.
    if (!path.isEmpty() && selectedFilter)
        *selectedFilter = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return path;
}

QString QtPlatform::pictureFileName(const QString& filter) {
    QFileDialog dialog(owner(), QStringLiteral("打开图片"), lastFolder(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosen(dialog);
}

QImage QtPlatform::clipboardImage() {
    return QGuiApplication::clipboard()->image();
}

QString QtPlatform::tempDir() {
    return m_runFolder.path();
}

int QtPlatform::execDialog(QDialog& dialog) {
    return dialog.exec();
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

bool QtPlatform::clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool QtPlatform::openExternal(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString QtPlatform::programDir() {
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::userConfigDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

qint64 QtPlatform::clockMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

QVariant QtPlatform::setting(const QString& key) {
    return QSettings().value(key);
}

void QtPlatform::setSetting(const QString& key, const QVariant& value) {
    QSettings().setValue(key, value);
}

bool QtPlatform::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::printerSetupDialog(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, owner());
    dialog.exec();
}
