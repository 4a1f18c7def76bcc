// Threshold method dialog.
#include "TKGZForm.h"

#include "DialogParts.h"

#include <QVBoxLayout>

TKGZForm::TKGZForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KGZForm"));
    setWindowTitle(QStringLiteral("开关值设置"));
    setModal(true);
    RadioButton1 = namedRadio(QStringLiteral("使用平均值作为开关值"), "RadioButton1", true);
    RadioButton2 = namedRadio(QStringLiteral("使用出现次数最多的颜色值作为开关值"), "RadioButton2");
    const OkCancel buttons;
    Button2 = buttons.ok;
    Button1 = buttons.cancel;
    connect(Button2, &QPushButton::clicked, this, &TKGZForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TKGZForm::Button1Click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);
    layout->addStretch(1);
    layout->addLayout(buttons.row());
}

void TKGZForm::showEvent(QShowEvent* event) {
    Accepted = 0;
    QDialog::showEvent(event);
}

void TKGZForm::Button2Click() {
    Accepted = 1;
    accept();
}

void TKGZForm::Button1Click() {
    Accepted = 0;
    reject();
}
