// Text banner dialog.
#include "TTextForm.h"

#include "DialogParts.h"
#include "TPictureSetForm.h"
#include "TTextViewForm.h"
#include "core/commands/PlaceBlock.h"
#include "core/convert/Banner.h"
#include "core/model/Drawing.h"
#include "core/text/Integers.h"
#include "core/text/TextFile.h"
#include "ui/platform/UiPlatform.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Runeboard");
// The picture shows twice its size on screen, so that a character of a few pixels can be seen.
constexpr int kZoom = 2;

QToolButton* toolButton(const QString& text, const char* name, bool toggle) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setCheckable(toggle);
    b->setMinimumWidth(toggle ? 28 : 56);
    return b;
}

} // namespace

TTextForm::TTextForm(UiPlatform& platform, QWidget* parent) : QDialog(parent), m_platform(platform) {
    setObjectName(QStringLiteral("TextForm"));
    setWindowTitle(QStringLiteral("文字"));
    setModal(true);

    // The installed families, from the last to the first; the list starts at "宋体".
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    const QStringList families = QFontDatabase::families();
    for (auto it = families.crbegin(); it != families.crend(); ++it) ComboBox1->addItem(*it);
    ComboBox1->setEditText(QStringLiteral("宋体"));
    ComboBox1->setMinimumWidth(150);
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    for (int size : {8, 9, 10, 11, 12, 20, 22, 24, 26, 28, 30, 40, 50})
        ComboBox2->addItem(QString::number(size));
    ComboBox2->setEditText(QStringLiteral("10"));
    ComboBox2->setFixedWidth(60);
    SpeedButton1 = toolButton(QStringLiteral("B"), "SpeedButton1", true);
    SpeedButton2 = toolButton(QStringLiteral("I"), "SpeedButton2", true);
    SpeedButton3 = toolButton(QStringLiteral("U"), "SpeedButton3", true);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setFixedSize(convert::kMaxSide * kZoom, convert::kMaxSide * kZoom);
    Image1->setCursor(Qt::CrossCursor);
    Image1->installEventFilter(this);
    SpeedButton4 = toolButton(QStringLiteral("反转"), "SpeedButton4", false);
    SpeedButton5 = toolButton(QStringLiteral("预览"), "SpeedButton5", false);
    SpeedButton6 = toolButton(QStringLiteral("高级"), "SpeedButton6", false);
    const OkCancel buttons;
    Button2 = buttons.ok;
    Button2->setDefault(false); // Enter in the text must not place it half typed
    Button1 = buttons.cancel;

    connect(Edit1, &QLineEdit::textChanged, this, &TTextForm::Edit1Change);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TTextForm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentTextChanged, this, &TTextForm::ComboBox2Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &TTextForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TTextForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TTextForm::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TTextForm::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TTextForm::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TTextForm::SpeedButton6Click);
    connect(Button2, &QPushButton::clicked, this, &TTextForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TTextForm::Button1Click);

    auto* top = new QHBoxLayout;
    top->addWidget(ComboBox1, 1);
    top->addWidget(ComboBox2);
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3}) top->addWidget(b);
    auto* input = new QHBoxLayout;
    input->addWidget(new QLabel(QStringLiteral("输入：")));
    input->addWidget(Edit1, 1);
    auto* effectButtons = new QVBoxLayout;
    for (QToolButton* b : {SpeedButton4, SpeedButton5, SpeedButton6}) effectButtons->addWidget(b);
    effectButtons->addStretch(1);
    auto* effect = new QHBoxLayout;
    auto* effectLabel = new QLabel(QStringLiteral("效果："));
    effectLabel->setAlignment(Qt::AlignTop);
    effect->addWidget(effectLabel);
    effect->addWidget(Image1);
    effect->addLayout(effectButtons);
    effect->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(input);
    layout->addLayout(effect, 1);
    layout->addLayout(buttons.row());

    // The lists show "宋体" and 10 from the start; the picture is drawn in what they show.
    m_font = convert::bannerFont(QStringLiteral("宋体"), 10, false, false, false);
    showPicture();
}

void TTextForm::openFor(Drawing& drawing, QObject* window, QPoint cell) {
    TargetDrawing = &drawing;
    TargetWindow = window;
    OriginX = cell.x();
    OriginY = cell.y();
    m_platform.execDialog(*this);
}

QSize TTextForm::visible() const {
    if (!TargetDrawing || !TargetWindow) return {convert::kMaxSide, convert::kMaxSide};
    return {TargetDrawing->GridWidth, TargetDrawing->GridHeight};
}

void TTextForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TTextForm::FormShow() {
    FillMode = 0;
    m_picture = convert::blankPicture();
    Edit1->clear();
    redraw();
    Edit1->setFocus();
}

void TTextForm::showPicture() {
    // Only the part the drawing has cells for is shown.
    const QSize v = visible();
    const QImage part = m_picture.copy(QRect(QPoint(0, 0), v));
    Image1->setFixedSize(v * kZoom);
    Image1->setPixmap(
        QPixmap::fromImage(part.scaled(v * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

void TTextForm::redraw() {
    m_picture = convert::renderBanner(Edit1->text(), m_font, {OriginX, OriginY});
    showPicture();
}

void TTextForm::Edit1Change() {
    redraw();
}

void TTextForm::ComboBox1Change() {
    m_font.setFamily(ComboBox1->currentText());
    redraw();
}

void TTextForm::ComboBox2Change() {
    const QString text = ComboBox2->currentText();
    if (text.isEmpty()) return;
    int size = 0;
    QString problem;
    if (!parseInteger(text, &size))
        problem = QStringLiteral("请输入一个整数");
    else if (size < 1 || size > 200)
        problem = QStringLiteral("你输入的字体大小有误，请重新输入");
    if (!problem.isEmpty()) {
        m_platform.messageBox(problem, kCaption, MessageButtons::Ok, MessageKind::Warning);
        ComboBox2->setFocus();
        return;
    }
    m_font.setPointSize(size);
    redraw();
}

void TTextForm::styleChanged() {
    m_font.setBold(SpeedButton1->isChecked());
    m_font.setItalic(SpeedButton2->isChecked());
    m_font.setUnderline(SpeedButton3->isChecked());
    redraw();
}

void TTextForm::SpeedButton1Click() {
    styleChanged();
}

void TTextForm::SpeedButton2Click() {
    styleChanged();
}

void TTextForm::SpeedButton3Click() {
    styleChanged();
}

bool TTextForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress)
        Image1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint() / kZoom);
    return QDialog::eventFilter(watched, event);
}

void TTextForm::Image1MouseDown(QPoint pixel) {
    if (!QRect(QPoint(0, 0), visible()).contains(pixel)) return;
    OriginX = pixel.x();
    OriginY = pixel.y();
    redraw();
}

void TTextForm::SpeedButton4Click() {
    m_picture = convert::toImage(converted({.invert = true}).effect.constPixels());
    showPicture();
}

convert::Conversion TTextForm::converted(convert::ConversionSettings settings) const {
    // The picture is ink already, black on white, over the part the drawing has cells for.
    settings.size = visible();
    settings.source = convert::Source::Effect;
    return convert::convertPicture(convert::constPixels(m_picture), settings);
}

convert::Fill TTextForm::fill() const {
    convert::Fill f;
    if (TargetDrawing && TargetWindow) f.brush = QByteArray(TargetDrawing->BrushBytes.data(), 2);
    f.useArticle = FillMode == 1;
    if (f.useArticle && m_fillForm) f.article = m_fillForm->article();
    return f;
}

void TTextForm::SpeedButton5Click() {
    TTextViewForm::preview(m_platform, this, m_viewer, converted({.fill = fill()}).lines);
}

void TTextForm::SpeedButton6Click() {
    if (m_fillForm) FillMode = m_fillForm->chooseFor(FillMode);
}

void TTextForm::Button2Click() {
    auto noText = [this] {
        m_platform.messageBox(QStringLiteral("请输入文字"), kCaption, MessageButtons::Ok,
                              MessageKind::Warning);
        Edit1->setFocus();
    };
    Drawing* d = TargetWindow ? TargetDrawing : nullptr;
    if (Edit1->text().isEmpty() || !d) {
        noText();
        return;
    }
    // The banner counts as a change: closing the drawing asks about it.
    beginBlockStep(*d, QStringLiteral("文字"));
    const convert::Conversion banner = converted({.fill = fill(), .cropToInk = true});
    const QRect ink = banner.area;
    if (ink.isEmpty()) {
        noText();
        return;
    }
    showNewBlock(*d, {ink.left(), ink.top(), ink.right() + 1, ink.bottom() + 1}, banner.lines);
    if (m_status) m_status(QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
    accept();
}

void TTextForm::Button1Click() {
    reject();
}
