// The automatic threshold's method: the mean grey, or the most frequent one.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

class TKGZForm : public QDialog {
    Q_OBJECT
public:
    explicit TKGZForm(QWidget* parent = nullptr);

    QRadioButton* RadioButton1 = nullptr; // the mean
    QRadioButton* RadioButton2 = nullptr; // the most frequent
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
    int Accepted = 0;

public Q_SLOTS:
    void Button2Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
};
