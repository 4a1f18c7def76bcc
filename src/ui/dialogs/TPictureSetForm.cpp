// Fill settings dialog.
#include "TPictureSetForm.h"

#include "DialogParts.h"

#include "core/text/ArticleFile.h"
#include "core/text/GbkText.h"
#include "ui/platform/UiPlatform.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kDefaultArticle = QStringLiteral("春天来了，河边的柳树长出了嫩绿的新芽。\n"
                                               "孩子们在田野里奔跑，风筝在蓝天上飞得很高。\n"
                                               "老人坐在门前晒太阳，慢慢地讲着从前的故事。\n"
                                               "远处的山坡上开满了野花，红的、黄的、白的，一片连着一片。\n"
                                               "小河里的水清清的，看得见水底的石头和游来游去的小鱼。\n"
                                               "傍晚的时候，炊烟从屋顶升起，村子里飘着饭菜的香味。\n"
                                               "夜里，月亮挂在天上，星星一闪一闪地眨着眼睛。\n"
                                               "人们在灯下写字、读书，也把心里想到的样子画下来。\n"
                                               "一个字就是一个小格子，许多格子排在一起，就成了一幅画。\n"
                                               "用文字作画，是一件安静而又有趣的事情。\n"
                                               "只要有耐心，一笔一画，画面就会慢慢地出现在眼前。\n"
                                               "愿你也能在这里画出自己喜欢的图画。");

} // namespace

TPictureSetForm::TPictureSetForm(UiPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
    setObjectName(QStringLiteral("PictureSetForm"));
    setWindowTitle(QStringLiteral("高级设置"));
    setModal(true);
    RadioButton1 = namedRadio(QStringLiteral("使用画笔填充"), "RadioButton1", true);
    RadioButton2 = namedRadio(QStringLiteral("使用文章填充"), "RadioButton2");
    Memo1 = new QPlainTextEdit(kDefaultArticle);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumSize(360, 200);
    Button3 = namedButton(QStringLiteral("从文件调入"), "Button3");
    const OkCancel buttons;
    Button2 = buttons.ok;
    Button1 = buttons.cancel;
    connect(Button3, &QPushButton::clicked, this, &TPictureSetForm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &TPictureSetForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TPictureSetForm::Button1Click);
    auto* choice = new QHBoxLayout;
    choice->addWidget(RadioButton1);
    choice->addWidget(RadioButton2);
    choice->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons.row({Button3}));
}

QByteArray TPictureSetForm::article() const {
    return unicodeToGbk(Memo1->toPlainText().split(QLatin1Char('\n')).join(QStringLiteral("\r\n")));
}

int TPictureSetForm::chooseFor(int fillMode) {
    (fillMode == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
    m_platform.execDialog(*this);
    if (Accepted != 1) return fillMode;
    return RadioButton1->isChecked() ? 0 : 1;
}

void TPictureSetForm::showEvent(QShowEvent* event) {
    Accepted = 0;
    QDialog::showEvent(event);
}

void TPictureSetForm::Button2Click() {
    if (RadioButton2->isChecked() && Memo1->blockCount() < 10) {
        m_platform.messageBox(QStringLiteral("你的文章太短了"), QStringLiteral("Runeboard"),
                              MessageButtons::Ok, MessageKind::Warning);
        Memo1->setFocus();
        return;
    }
    Accepted = 1;
    accept();
}

void TPictureSetForm::Button1Click() {
    Accepted = 0;
    reject();
}

void TPictureSetForm::Button3Click() {
    const QString path = m_platform.openFileName(QStringLiteral("*.txt"), QString());
    if (path.isEmpty()) return;
    const ArticleFile file = ArticleFile::read(path);
    QString problem;
    switch (file.problem) {
    case ArticleFile::Problem::None:
        Memo1->setPlainText(file.text);
        return;
    case ArticleFile::Problem::CannotRead:
        problem = file.reason;
        break;
    case ArticleFile::Problem::NotAFile:
        problem = QStringLiteral("这不是一个普通文件");
        break;
    case ArticleFile::Problem::TooLarge:
        problem = QStringLiteral("文件太大，文章最多 4 MB");
        break;
    }
    m_platform.messageBox(QStringLiteral("无法读取文件“%1”：%2").arg(QDir::toNativeSeparators(path), problem),
                          QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Error);
}
