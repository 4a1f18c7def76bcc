// What ink cells are filled with: the brush text, or the characters of an
// article kept in the memo for the whole run (the text banner uses it too).
#pragma once

#include <QByteArray>
#include <QDialog>

class UiPlatform;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TPictureSetForm : public QDialog {
    Q_OBJECT
public:
    explicit TPictureSetForm(UiPlatform& platform, QWidget* parent = nullptr);

    // Shows the choice for a fill mode (0 the brush, 1 the article) and returns the mode
    // chosen with OK, or the same mode when the dialog was left otherwise.
    int chooseFor(int fillMode);

    QRadioButton* RadioButton1 = nullptr; // the brush
    QRadioButton* RadioButton2 = nullptr; // the article
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button3 = nullptr; // 从文件调入
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
    int Accepted = 0;

    // The memo's lines joined by CR LF, as GBK.
    QByteArray article() const;

public Q_SLOTS:
    void Button2Click();
    void Button1Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    UiPlatform& m_platform;
};
