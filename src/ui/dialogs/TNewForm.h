// The new-document dialog: size of the drawing and whether it starts from the clipboard text.
#pragma once

#include <QDialog>

class Platform;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TNewForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewForm(Platform& platform, QWidget* parent = nullptr);

    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;

    // Before showing: whether the clipboard's lines can start the drawing, and a
    // rectangular block's size, which the dialog then proposes with the clipboard choice.
    void propose(bool clipboardUsable, bool rectangular, int width, int height);
    // After OK: the drawing starts from the clipboard text.
    bool startsFromClipboard() const;

    int Accepted = 0;
    int ChosenWidth = 0;
    int ChosenHeight = 0;

public Q_SLOTS:
    void Button2Click(); // OK
    void Button1Click(); // Cancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads one size box into *value; on a bad entry says why and puts the focus there.
    bool readSize(QLineEdit* edit, int* value);

    Platform& m_platform;
};
