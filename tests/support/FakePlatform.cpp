// Test platform.
#include "FakePlatform.h"

#include <QDialog>
#include <QPrinter>

MessageAnswer FakePlatform::messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                                       MessageKind kind) {
    messages << Message{text, caption, buttons, kind};
    if (onMessage) onMessage(messages.last());
    if (!answers.isEmpty()) return answers.takeFirst();
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

QString FakePlatform::openFileName(const QString&, const QString&) {
    ++openDialogs;
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString FakePlatform::saveFileName(const QStringList& filters, const QString&, const QString&,
                                   int* selectedFilter) {
    ++saveDialogs;
    saveFilterOffered = filters.join(QStringLiteral(";;"));
    saveFilterShown = selectedFilter ? filters.value(*selectedFilter) : QString();
    const QString name = saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    if (selectedFilter && !name.isEmpty() && !saveFilterChoices.isEmpty())
        *selectedFilter = int(filters.indexOf(saveFilterChoices.takeFirst()));
    return name;
}

int FakePlatform::execDialog(QDialog& dialog) {
    dialogsShown << &dialog;
    if (!onDialog) return QDialog::Rejected;
    // Shown for real (headless), so the dialog's show handlers run as they would for the user.
    dialog.show();
    const int result = onDialog(dialog);
    dialog.hide();
    return result;
}

bool FakePlatform::printDialog(QPrinter& printer) {
    ++printDialogs;
    const bool ok = !printAnswers.isEmpty() && printAnswers.takeFirst();
    if (ok && !printPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printPdf);
    }
    return ok;
}
