// New-document dialog.
#include "TNewForm.h"

#include "DialogParts.h"

#include "core/platform/Platform.h"
#include "core/text/Integers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNewForm::TNewForm(Platform& platform, QWidget* parent) : QDialog(parent), m_platform(platform) {
    setObjectName(QStringLiteral("NewForm"));
    setWindowTitle(QStringLiteral("新建"));
    setModal(true);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    setFont(font);

    RadioButton1 = new QRadioButton(QStringLiteral("新建空文档"));
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("以剪贴版内容为基础建立新文档"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));

    GroupBox1 = new QGroupBox(QStringLiteral("文档大小"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto label = [](const char* name, const QString& text) {
        auto* l = new QLabel(text);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Label1 = label("Label1", QStringLiteral("宽度："));
    Label2 = label("Label2", QStringLiteral("高度："));
    Label3 = label("Label3", QStringLiteral("字符（不能大于100）"));
    Label4 = label("Label4", QStringLiteral("字符（不能大于100）"));
    Edit1 = new QLineEdit(QStringLiteral("50"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(QStringLiteral("50"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit* e : {Edit1, Edit2}) e->setFixedWidth(60);
    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Label4, 1, 2);
    grid->setColumnStretch(2, 1);

    const OkCancel buttons;
    Button2 = buttons.ok;
    Button1 = buttons.cancel;
    connect(Button2, &QPushButton::clicked, this, &TNewForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TNewForm::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);
    layout->addWidget(GroupBox1);
    layout->addStretch(1);
    layout->addLayout(buttons.row());
    resize(318, 220);
}

void TNewForm::showEvent(QShowEvent* event) {
    Accepted = 0;
    QDialog::showEvent(event);
}

bool TNewForm::readSize(QLineEdit* edit, int* value) {
    QString problem;
    if (!parseInteger(edit->text(), value))
        problem = QStringLiteral("请输入一个整数");
    else if (*value < 1 || *value > 100)
        problem = QStringLiteral("你输入的数据有误，请修改");
    if (problem.isEmpty()) return true;
    m_platform.messageBox(problem, QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
    edit->setFocus();
    return false;
}

void TNewForm::Button2Click() {
    // The width is checked completely before the height.
    if (!readSize(Edit1, &ChosenWidth) || !readSize(Edit2, &ChosenHeight)) return;
    Accepted = 1;
    accept();
}

void TNewForm::Button1Click() {
    Accepted = 0;
    reject();
}

void TNewForm::propose(bool clipboardUsable, bool rectangular, int width, int height) {
    if (!clipboardUsable) {
        RadioButton1->setChecked(true);
        RadioButton2->setEnabled(false);
        return;
    }
    RadioButton2->setEnabled(true);
    // Lines of different lengths leave the choice and the size as the user last left them.
    if (!rectangular) return;
    RadioButton2->setChecked(true);
    ChosenWidth = width;
    ChosenHeight = height;
    Edit1->setText(QString::number(width));
    Edit2->setText(QString::number(height));
}

bool TNewForm::startsFromClipboard() const {
    return RadioButton2->isChecked() && RadioButton2->isEnabled();
}
