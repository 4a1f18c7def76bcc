// Picture import dialog.
#include "TPictureForm.h"

#include "TKGZForm.h"
#include "TPictureSetForm.h"
#include "TTextViewForm.h"
#include "core/commands/DrawingHost.h"
#include "core/commands/Messages.h"
#include "core/commands/PlaceBlock.h"
#include "core/model/Drawing.h"
#include "core/render/ShapeGlyphs.h"
#include "core/text/GbkText.h"
#include "core/text/Integers.h"
#include "ui/platform/UiPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QString kCaption = QStringLiteral("Runeboard");
const QString kPictureFilter =
    QStringLiteral("图片 (*.jpg *.jpeg *.bmp *.ico *.png *.gif *.svg);;JPEG (*.jpg *.jpeg);;位图 (*.bmp);;"
                   "图标 (*.ico);;PNG (*.png);;GIF (*.gif);;SVG (*.svg);;所有文件 (*)");

} // namespace

TPictureForm::TPictureForm(UiPlatform& platform, DrawingHost& host, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_host(host) {
    setObjectName(QStringLiteral("PictureForm"));
    setWindowTitle(QStringLiteral("导入图片"));
    setModal(true);

    makeWidgets();

    connect(Button4, &QPushButton::clicked, this, &TPictureForm::Button4Click);
    connect(Button6, &QPushButton::clicked, this, &TPictureForm::Button6Click);
    connect(Button3, &QPushButton::clicked, this, &TPictureForm::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TPictureForm::Button5Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &TPictureForm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TPictureForm::RadioButton2Click);
    // Dithering has a threshold and fills its ink as the two colours do.
    connect(RadioButton3, &QRadioButton::clicked, this, &TPictureForm::RadioButton1Click);
    // Shapes have neither, as the gradient has not.
    connect(RadioButton4, &QRadioButton::clicked, this, &TPictureForm::RadioButton2Click);
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        connect(r, &QRadioButton::clicked, this, &TPictureForm::followFields);
    for (QLineEdit* e : {Edit2, Edit3, Edit4})
        connect(e, &QLineEdit::textEdited, this, &TPictureForm::followFields);
    connect(SpeedButton1, &QToolButton::clicked, this, &TPictureForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TPictureForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TPictureForm::SpeedButton3Click);
    connect(Button2, &QPushButton::clicked, this, &TPictureForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TPictureForm::Button1Click);
    for (QLineEdit* e : {Edit2, Edit3, Edit4}) e->installEventFilter(this);
    Image2->installEventFilter(this);
    showPictures();
}

void TPictureForm::setSettingsForms(TKGZForm* threshold, TPictureSetForm* fill) {
    m_thresholdForm = threshold;
    m_fillForm = fill;
}

void TPictureForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TPictureForm::FormShow() {
    m_scaled = convert::blankPicture();
    m_effect = convert::blankPicture();
    MaxWidth = MaxHeight = convert::kMaxSide;
    FillMode = 0;
    ResultLines.clear();
    m_showsShapes = false;
    m_shapeLines.clear();
    showPictures();
}

void TPictureForm::closeEvent(QCloseEvent* event) {
    ResultLines.clear();
    QDialog::closeEvent(event);
}

void TPictureForm::showPictures() {
    Image2->setPixmap(QPixmap::fromImage(m_scaled));
    Image3->setPixmap(QPixmap::fromImage(m_effect));
}

void TPictureForm::complain(const QString& text, QLineEdit* focus) {
    m_platform.messageBox(text, kCaption, MessageButtons::Ok, MessageKind::Warning);
    if (focus) focus->setFocus();
}

void TPictureForm::setPicture(const convert::Picture& picture) {
    m_picture = picture;
    Image1->setPixmap(QPixmap::fromImage(picture.image()));
    Image1->resize(picture.size());
    Label7->setText(QString::number(picture.size().height()));
    Label8->setText(QString::number(picture.size().width()));
    proposeSize();
}

void TPictureForm::proposeSize() {
    // Without a fitting divisor the fields keep what they held.
    if (const auto size = convert::proposedSize(m_picture.size(), MaxWidth, MaxHeight)) {
        Edit3->setText(QString::number(size->height()));
        Edit4->setText(QString::number(size->width()));
    }
}

void TPictureForm::Button4Click() {
    const QString path = m_platform.pictureFileName(kPictureFilter);
    if (!path.isEmpty()) loadFile(path);
}

bool TPictureForm::loadFile(const QString& path) {
    convert::PictureError error;
    const convert::Picture picture = convert::Picture::load(path, &error);
    if (picture.isNull()) {
        // The previous picture stays.
        m_platform.messageBox(QStringLiteral("无法导入图片“%1”：\n%2")
                                  .arg(QDir::toNativeSeparators(path), messages::pictureReason(error)),
                              kCaption, MessageButtons::Ok, MessageKind::Error);
        return false;
    }
    setPicture(picture);
    Edit1->setText(QDir::toNativeSeparators(path));
    return true;
}

void TPictureForm::Button6Click() {
    const convert::Picture picture = convert::Picture::fromImage(m_platform.clipboardImage());
    if (picture.isNull())
        complain(QStringLiteral("剪贴版中没有图片"));
    else
        setPicture(picture);
}

bool TPictureForm::readSize(QLineEdit* edit, int* value, bool refocus) {
    const bool number = parseInteger(edit->text(), value);
    if (number && *value >= 0) return true;
    complain(number ? QStringLiteral("请输入一个大于等于0的整数") : QStringLiteral("请输入一个整数"),
             refocus ? edit : nullptr);
    return false;
}

bool TPictureForm::readThreshold(int* value, bool refocus) {
    if (parseInteger(Edit2->text(), value) && *value >= 0 && *value <= 255) return true;
    complain(QStringLiteral("请输入一个大于等于0小于等于255之间整数"), refocus ? Edit2 : nullptr);
    return false;
}

bool TPictureForm::sizeExit(QLineEdit* edit, QLineEdit* other, int side, int otherSide) {
    int value = 0;
    if (!readSize(edit, &value, true)) return false;
    // Kept in proportion to the picture; without a picture there is nothing to keep.
    if (CheckBox1->isChecked() && side > 0) {
        other->setText(QString::number(qint64(otherSide) * value / side));
        followFields();
    }
    return true;
}

bool TPictureForm::Edit2Exit() {
    int t = 0;
    return readThreshold(&t, true);
}

bool TPictureForm::checksOnLeaving(const QFocusEvent* event) const {
    const Qt::FocusReason reason = event->reason();
    return isVisible() && QApplication::focusWidget() != Button1 && reason != Qt::ActiveWindowFocusReason &&
           reason != Qt::PopupFocusReason;
}

bool TPictureForm::eventFilter(QObject* watched, QEvent* event) {
    // A field is checked when it is left for another part of the dialog. Leaving it for 取消, or
    // the dialog closing, checks nothing: cancelling must never be held up by what a field holds.
    if (event->type() == QEvent::FocusOut && !m_inExit && checksOnLeaving(static_cast<QFocusEvent*>(event))) {
        // A message box takes the focus itself; that must not check the field once more.
        m_inExit = true;
        if (watched == Edit3) Edit3Exit();
        if (watched == Edit4) Edit4Exit();
        if (watched == Edit2) Edit2Exit();
        m_inExit = false;
    }
    if (watched == Image2 && event->type() == QEvent::MouseButtonPress)
        Image2MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QDialog::eventFilter(watched, event);
}

void TPictureForm::Image2MouseDown(QPoint at) {
    if (!m_scaled.rect().contains(at)) return;
    Edit2->setText(QString::number(convert::grey(m_scaled.pixel(at))));
}

void TPictureForm::RadioButton1Click() {
    SpeedButton3->setEnabled(true);
    Button5->setEnabled(true);
}

void TPictureForm::RadioButton2Click() {
    // The letter gradient has neither a fill source nor a threshold.
    SpeedButton3->setEnabled(false);
    Button5->setEnabled(false);
}

QSize TPictureForm::converted() const {
    return {std::min(ScaledWidth, MaxWidth), std::min(ScaledHeight, MaxHeight)};
}

convert::Mode TPictureForm::mode() const {
    if (RadioButton2->isChecked()) return convert::Mode::Gradient;
    if (RadioButton4->isChecked()) return convert::Mode::Shapes;
    return RadioButton3->isChecked() ? convert::Mode::Dither : convert::Mode::TwoColour;
}

bool TPictureForm::convertNow(std::optional<convert::ThresholdMethod> automatic) {
    int w = 0, h = 0, t = 0;
    m_inExit = true; // the checks below say what is wrong themselves
    const bool ok = readSize(Edit4, &w, false) && readSize(Edit3, &h, false) && readThreshold(&t, false);
    m_inExit = false;
    if (!ok) return false;
    convertWith(w, h, t, automatic);
    return true;
}

void TPictureForm::followFields() {
    // The effect picture follows the fields as they are typed, whenever they hold a conversion;
    // a field half typed says nothing and leaves the effect as it was.
    int w = 0, h = 0, t = 0;
    if (m_picture.isNull() || !parseInteger(Edit4->text(), &w) || w < 0 || !parseInteger(Edit3->text(), &h) ||
        h < 0 || !parseInteger(Edit2->text(), &t) || t < 0 || t > 255)
        return;
    convertWith(w, h, t, std::nullopt);
}

void TPictureForm::convertWith(int w, int h, int t, std::optional<convert::ThresholdMethod> automatic) {
    m_scaled = m_picture.scaled(w, h);
    ScaledHeight = h;
    ScaledWidth = w;
    m_showsShapes = mode() == convert::Mode::Shapes;
    if (m_showsShapes) {
        // Shapes look at each cell's part of the picture, finer than the scaled picture shows.
        m_shapeSamples = m_picture.shapeSamples(w, h, converted());
        m_shapesInverted = false;
        matchShapes();
        return;
    }
    m_shapeSamples = {};
    m_shapeLines.clear();
    const convert::Conversion c = convert::convertPicture(
        convert::constPixels(m_scaled),
        {.size = converted(), .mode = mode(), .threshold = t, .automatic = automatic});
    if (c.automaticThreshold) Edit2->setText(QString::number(*c.automaticThreshold));
    m_effect = convert::toImage(c.effect.constPixels());
    showPictures();
}

void TPictureForm::matchShapes() {
    convert::Conversion c = convert::convertShapes(m_shapeSamples, canvasGlyphMasks(), m_shapesInverted);
    m_shapeLines = std::move(c.lines);
    m_effect = convert::toImage(c.effect.constPixels());
    showPictures();
}

convert::Conversion TPictureForm::fromEffect(bool invert, const convert::Fill& fill) const {
    // The effect picture as it is shown, read with the mode chosen now.
    return convert::convertPicture(convert::constPixels(m_effect), {.size = converted(),
                                                                    .mode = mode(),
                                                                    .source = convert::Source::Effect,
                                                                    .invert = invert,
                                                                    .fill = fill});
}

void TPictureForm::Button3Click() {
    convertNow();
}

void TPictureForm::Button5Click() {
    if (!m_thresholdForm) return;
    m_platform.execDialog(*m_thresholdForm);
    if (m_thresholdForm->Accepted != 1) return;
    convertNow(m_thresholdForm->RadioButton2->isChecked() ? convert::ThresholdMethod::MostFrequent
                                                          : convert::ThresholdMethod::Mean);
}

void TPictureForm::SpeedButton1Click() {
    if (m_showsShapes) {
        m_shapesInverted = !m_shapesInverted;
        matchShapes();
        return;
    }
    m_effect = convert::toImage(fromEffect(true).effect.constPixels());
    showPictures();
}

QList<QByteArray> TPictureForm::resultLines() const {
    if (m_showsShapes) return m_shapeLines;
    convert::Fill fill{unicodeToGbk(PictureBrushText), FillMode == 1, {}};
    if (fill.useArticle && m_fillForm) fill.article = m_fillForm->article();
    return fromEffect(false, fill).lines;
}

void TPictureForm::SpeedButton2Click() {
    TTextViewForm::preview(m_platform, this, m_viewer, resultLines());
}

void TPictureForm::SpeedButton3Click() {
    if (m_fillForm) FillMode = m_fillForm->chooseFor(FillMode);
}

void TPictureForm::Button2Click() {
    const int columns = converted().width(), rows = converted().height();
    if (columns <= 0 || rows <= 0) {
        // Nothing to place: say so and let the user convert first.
        complain(QStringLiteral("没有可以导入的内容：请先设定大小（宽度和高度都大于0），再按“转化”。"));
        return;
    }
    ResultLines = resultLines();
    Drawing* target = TargetWindow ? TargetDrawing : nullptr;
    if (target) {
        if (m_status)
            m_status(QStringLiteral("如果要让拖动内容和底图以透明的方式合并，请在拖动过程中按“Alt”键"));
        // An import counts as a change: closing the drawing asks about it.
        placeNewBlock(
            *target, QStringLiteral("导入图象"),
            {0, 0, std::min(ScaledWidth, target->GridWidth), std::min(ScaledHeight, target->GridHeight)},
            ResultLines);
    } else {
        newDrawingOf(m_host, ResultLines, columns, rows);
    }
    accept();
}

void TPictureForm::Button1Click() {
    reject();
}
