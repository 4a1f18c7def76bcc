// Shows a text file written in GBK, such as a conversion's preview, in the
// canvas font so that the columns line up as they will in the drawing.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TTextViewForm : public QDialog {
    Q_OBJECT
public:
    explicit TTextViewForm(QWidget* parent = nullptr);

    // Reads the file; false when it cannot be read.
    bool showFile(const QString& path);

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
};
