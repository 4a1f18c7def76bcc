// The picture export dialog: the scale and the colours of the picture the File
// menu's "导出图片…" writes. The choices stay for the next export.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TExportForm : public QDialog {
public:
    explicit TExportForm(QWidget* parent = nullptr);

    // The drawing about to be exported, for the size shown.
    void setDrawingSize(int width, int height);
    int scale() const;
    bool inverted() const;
    void setChoices(int scale, bool inverted);

    QRadioButton* RadioButton1 = nullptr; // 1 x
    QRadioButton* RadioButton2 = nullptr; // 2 x
    QCheckBox* CheckBox1 = nullptr;       // white on black
    QLabel* Label1 = nullptr;             // the picture's size in pixels
    QPushButton* Button2 = nullptr;       // OK
    QPushButton* Button1 = nullptr;       // Cancel

private:
    void showSize();

    int m_width = 0, m_height = 0;
};
