// Picture export dialog.
#include "TExportForm.h"

#include "DialogParts.h"
#include "core/model/CharGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TExportForm::TExportForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExportForm"));
    setWindowTitle(QStringLiteral("导出图片"));
    setModal(true);

    auto* scaleBox = new QGroupBox(QStringLiteral("大小"));
    scaleBox->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = namedRadio(QStringLiteral("原大：每格 18 × 18 像素"), "RadioButton1", true);
    RadioButton2 = namedRadio(QStringLiteral("放大一倍：每格 36 × 36 像素"), "RadioButton2");
    auto* scales = new QVBoxLayout(scaleBox);
    scales->addWidget(RadioButton1);
    scales->addWidget(RadioButton2);
    CheckBox1 = new QCheckBox(QStringLiteral("反色（黑底白字）"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    connect(RadioButton1, &QRadioButton::toggled, this, &TExportForm::showSize);

    const OkCancel buttons;
    Button2 = buttons.ok;
    Button1 = buttons.cancel;
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scaleBox);
    layout->addWidget(CheckBox1);
    layout->addWidget(Label1);
    layout->addStretch(1);
    layout->addLayout(buttons.row());
    resize(300, 200);
}

void TExportForm::setDrawingSize(int width, int height) {
    m_width = width;
    m_height = height;
    showSize();
}

int TExportForm::scale() const {
    return RadioButton2->isChecked() ? 2 : 1;
}

bool TExportForm::inverted() const {
    return CheckBox1->isChecked();
}

void TExportForm::setChoices(int scale, bool inverted) {
    (scale == 2 ? RadioButton2 : RadioButton1)->setChecked(true);
    CheckBox1->setChecked(inverted);
}

void TExportForm::showSize() {
    Label1->setText(QStringLiteral("图片大小：%1 × %2 像素")
                        .arg(m_width * kCellSize * scale())
                        .arg(m_height * kCellSize * scale()));
}
