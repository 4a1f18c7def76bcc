// Text viewer.
#include "TTextViewForm.h"

#include "DialogPlace.h"
#include "core/convert/CellConversion.h"
#include "core/platform/RunFolder.h"
#include "core/render/CanvasFont.h"
#include "core/text/GbkText.h"
#include "ui/platform/UiPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTextViewForm::TTextViewForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TextViewForm"));
    setModal(true);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(canvasFont(kCanvasFontName, 10));
    Button1 = new QPushButton(QStringLiteral("关闭(&C)"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(900, 640);
    new DialogPlace(this);
}

void TTextViewForm::preview(UiPlatform& platform, QWidget* owner, TTextViewForm*& viewer,
                            const QList<QByteArray>& lines) {
    const RunFolder::Written written =
        RunFolder::write(platform.tempDir(), QStringLiteral("runeboard.txt"), convert::previewBytes(lines));
    QString problem;
    switch (written.problem) {
    case RunFolder::Written::Problem::None:
        break;
    case RunFolder::Written::Problem::NoFolder:
        problem = QStringLiteral("临时文件夹不存在（%1）").arg(written.reason);
        break;
    case RunFolder::Written::Problem::NotPrivate:
        problem = QStringLiteral("临时文件夹不是只有你能写入的文件夹");
        break;
    case RunFolder::Written::Problem::CannotWrite:
        problem = written.reason;
        break;
    }
    if (!problem.isEmpty()) {
        platform.messageBox(
            QStringLiteral("无法写入预览文件“%1”：%2").arg(QDir::toNativeSeparators(written.path), problem),
            QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Error);
        return;
    }
    if (!viewer) viewer = new TTextViewForm(owner);
    if (viewer->showFile(written.path)) platform.execDialog(*viewer);
}

bool TTextViewForm::showFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    setWindowTitle(QStringLiteral("预览 - %1").arg(QFileInfo(path).fileName()));
    Memo1->setPlainText(gbkToUnicode(file.readAll()));
    return true;
}
