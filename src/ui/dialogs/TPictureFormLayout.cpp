// The picture import dialog's widgets and where they stand.
#include "TPictureForm.h"

#include "DialogParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text);
    if (name) l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit* lineEdit(const char* name, int width = 0) {
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    if (width > 0) e->setFixedWidth(width);
    return e;
}

// The widgets one after the other.
template <typename Box> Box* boxOf(std::initializer_list<QWidget*> widgets) {
    auto* box = new Box;
    for (QWidget* w : widgets) box->addWidget(w);
    return box;
}

QLabel* pictureBox(const char* name) {
    auto* l = new QLabel;
    l->setObjectName(QLatin1String(name));
    l->setFixedSize(convert::kMaxSide, convert::kMaxSide);
    l->setFrameShape(QFrame::NoFrame);
    return l;
}

} // namespace

void TPictureForm::makeWidgets() {
    Edit1 = lineEdit("Edit1");
    Edit1->setReadOnly(true);
    Button4 = namedButton(QStringLiteral("打开"), "Button4");
    Button6 = namedButton(QStringLiteral("剪贴板"), "Button6");
    Image1 = label(QString(), "Image1");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setWidgetResizable(false);
    Label7 = label(QStringLiteral("0"), "Label7");
    Label8 = label(QStringLiteral("0"), "Label8");
    Button3 = namedButton(QStringLiteral("转化"), "Button3");

    RadioButton1 = namedRadio(QStringLiteral("使用二色转换"), "RadioButton1", true);
    RadioButton2 = namedRadio(QStringLiteral("使用字母梯度转换"), "RadioButton2");
    RadioButton3 = namedRadio(QStringLiteral("抖动"), "RadioButton3");
    RadioButton4 = namedRadio(QStringLiteral("形状匹配"), "RadioButton4");
    Edit2 = lineEdit("Edit2", 50);
    Edit2->setText(QString::number(convert::kDefaultThreshold));
    Button5 = namedButton(QStringLiteral("自动"), "Button5");
    Edit3 = lineEdit("Edit3", 50);
    Edit4 = lineEdit("Edit4", 50);
    CheckBox1 = new QCheckBox(QStringLiteral("保持原图比例"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    Image2 = pictureBox("Image2");
    Image3 = pictureBox("Image3");
    auto tool = [](const QString& text, const char* name) {
        auto* b = new QToolButton;
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setMinimumWidth(56);
        return b;
    };
    SpeedButton1 = tool(QStringLiteral("反转"), "SpeedButton1");
    SpeedButton2 = tool(QStringLiteral("预览"), "SpeedButton2");
    SpeedButton3 = tool(QStringLiteral("高级"), "SpeedButton3");
    const OkCancel okCancel;
    Button2 = okCancel.ok;
    Button2->setDefault(false); // Enter in a field must not import
    Button1 = okCancel.cancel;

    // Left: the file, the picture at its own size, its size and Convert.
    auto* file = boxOf<QHBoxLayout>({Edit1, Button4, Button6});
    file->setStretch(0, 1);
    auto* sourceSize = boxOf<QHBoxLayout>({label(QStringLiteral("高度：")), Label7});
    sourceSize->addSpacing(16);
    sourceSize->addWidget(label(QStringLiteral("宽度：")));
    sourceSize->addWidget(Label8);
    sourceSize->addStretch(1);
    sourceSize->addWidget(Button3);
    auto* left = new QVBoxLayout;
    left->addLayout(file);
    left->addWidget(ScrollBox1, 1);
    left->addLayout(sourceSize);

    // Right: colour, size, the scaled and effect pictures, OK and Cancel.
    auto* colour = new QGroupBox(QStringLiteral("颜色"));
    colour->setObjectName(QStringLiteral("GroupBox1"));
    auto* colourGrid = new QGridLayout(colour);
    colourGrid->addWidget(RadioButton1, 0, 0, 1, 4);
    colourGrid->addWidget(label(QStringLiteral("开关值")), 1, 0);
    colourGrid->addWidget(Edit2, 1, 1);
    colourGrid->addWidget(label(QStringLiteral("(0-255)")), 1, 2);
    colourGrid->addWidget(Button5, 1, 3);
    colourGrid->addWidget(RadioButton2, 2, 0, 1, 4);
    colourGrid->addWidget(RadioButton3, 3, 0, 1, 4);
    colourGrid->addWidget(RadioButton4, 4, 0, 1, 4);
    auto* size = new QGroupBox(QStringLiteral("大小"));
    size->setObjectName(QStringLiteral("GroupBox2"));
    auto* sizeGrid = new QGridLayout(size);
    sizeGrid->addWidget(label(QStringLiteral("高度：")), 0, 0);
    sizeGrid->addWidget(Edit3, 0, 1);
    sizeGrid->addWidget(label(QStringLiteral("宽度：")), 0, 2);
    sizeGrid->addWidget(Edit4, 0, 3);
    sizeGrid->addWidget(CheckBox1, 1, 0, 1, 4);
    auto* pictures = new QGridLayout;
    pictures->addWidget(label(QStringLiteral("缩放图")), 0, 0);
    pictures->addWidget(label(QStringLiteral("效果图")), 0, 1);
    pictures->addWidget(Image2, 1, 0);
    pictures->addWidget(Image3, 1, 1);
    auto* effectButtons = boxOf<QVBoxLayout>({SpeedButton1, SpeedButton2, SpeedButton3});
    effectButtons->addStretch(1);
    pictures->addLayout(effectButtons, 1, 2);
    auto* right = boxOf<QVBoxLayout>({colour, size});
    right->addLayout(pictures);
    right->addStretch(1);
    right->addLayout(okCancel.row());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(QSize(622, 386).expandedTo(sizeHint()));
}
