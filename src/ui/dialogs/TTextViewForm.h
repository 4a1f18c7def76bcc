// Shows a text file written in GBK, such as a conversion's preview, in the
// canvas font so that the columns line up as they will in the drawing.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class UiPlatform;
class QPushButton;

class TTextViewForm : public QDialog {
    Q_OBJECT
public:
    explicit TTextViewForm(QWidget* parent = nullptr);

    // Reads the file; false when it cannot be read.
    bool showFile(const QString& path);

    // A conversion's preview: the lines written to "runeboard.txt" in the run's own temporary
    // folder (space pairs as ideographic spaces, CR LF), then shown here; a failed write is said.
    static void preview(UiPlatform& platform, QWidget* owner, TTextViewForm*& viewer,
                        const QList<QByteArray>& lines);

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
};
