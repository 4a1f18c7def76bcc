// About box: picture, product name and version, a small sample of character art.
#include "TAboutForm.h"

#include "core/render/CanvasFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(const QPixmap& picture, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于"));
    setModal(true);

    auto* image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(QStringLiteral("符阵画板"));
    product->setObjectName(QStringLiteral("ProductName"));
    auto* version = new QLabel(QStringLiteral("V" RUNEBOARD_VERSION));
    version->setObjectName(QStringLiteral("Version"));
    for (QLabel* l : {product, version}) l->setStyleSheet(QStringLiteral("color: blue;"));
    QFont big = product->font();
    big.setPointSize(16);
    big.setBold(true);
    product->setFont(big);

    auto* sample = new QLabel(QStringLiteral("　　画画画画画\n"
                                             "　画　　　　　画\n"
                                             "画　　画　画　　画\n"
                                             "画　　　　　　　画\n"
                                             "　画　画画画　画\n"
                                             "　　画画画画画"));
    sample->setObjectName(QStringLiteral("Sample"));
    sample->setFont(canvasFont(kCanvasFontName, 10));

    auto* note = new QLabel(QStringLiteral("字符画编辑器 Runeboard"));
    note->setObjectName(QStringLiteral("Label1"));

    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"));
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(version);
    text->addWidget(note);
    text->addSpacing(8);
    text->addWidget(sample);
    auto* top = new QHBoxLayout;
    top->addWidget(image);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}
