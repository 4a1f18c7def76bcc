// Picture import: a picture file or the clipboard's picture, scaled to a size in
// cells, converted by a threshold or the letter gradient, and placed as a
// floating block in the open drawing or as a new drawing.
#pragma once

#include "core/convert/CellConversion.h"
#include "core/convert/Conversion.h"
#include "core/convert/ImagePixels.h"
#include "core/convert/Picture.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class Drawing;
class DrawingHost;
class QCheckBox;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;
class TKGZForm;
class TPictureSetForm;
class TTextViewForm;
class UiPlatform;

class TPictureForm : public QDialog {
    Q_OBJECT
public:
    TPictureForm(UiPlatform& platform, DrawingHost& host, QWidget* parent = nullptr);

    void setSettingsForms(TKGZForm* threshold, TPictureSetForm* fill);
    // Loads a picture file as 打开 does; on failure says why and keeps the picture shown.
    bool loadFile(const QString& path);
    // Where the frame's status bar text goes.
    void setStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }

    QLineEdit* Edit1 = nullptr;     // the picture file's name
    QPushButton* Button4 = nullptr; // 打开
    QPushButton* Button6 = nullptr; // 剪贴板
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;             // the picture at its own size
    QLabel* Label7 = nullptr;             // its height
    QLabel* Label8 = nullptr;             // its width
    QLineEdit* Edit3 = nullptr;           // height in cells
    QLineEdit* Edit4 = nullptr;           // width in cells
    QCheckBox* CheckBox1 = nullptr;       // keep the proportions
    QRadioButton* RadioButton1 = nullptr; // two colours
    QLineEdit* Edit2 = nullptr;           // the threshold
    QPushButton* Button5 = nullptr;       // 自动
    QRadioButton* RadioButton2 = nullptr; // the letter gradient
    QRadioButton* RadioButton3 = nullptr; // dithering
    QRadioButton* RadioButton4 = nullptr; // shape matching
    QPushButton* Button3 = nullptr;       // 转化
    QLabel* Image2 = nullptr;             // the scaled picture
    QLabel* Image3 = nullptr;             // the effect picture
    QToolButton* SpeedButton1 = nullptr;  // 反转
    QToolButton* SpeedButton2 = nullptr;  // 预览
    QToolButton* SpeedButton3 = nullptr;  // 高级
    QPushButton* Button2 = nullptr;       // OK
    QPushButton* Button1 = nullptr;       // Cancel

    int MaxWidth = convert::kMaxSide, MaxHeight = convert::kMaxSide;
    int ScaledWidth = 0, ScaledHeight = 0;
    int FillMode = 0;
    QString PictureBrushText;
    QPointer<QObject> TargetWindow; // the drawing's window, to know it still exists
    Drawing* TargetDrawing = nullptr;
    QList<QByteArray> ResultLines;

    // The pictures behind Image2 and Image3.
    const QImage& scaledPicture() const { return m_scaled; }
    const QImage& effectPicture() const { return m_effect; }
    const convert::Picture& picture() const { return m_picture; }
    // Takes a picture as the open dialog or the clipboard would give it.
    void setPicture(const convert::Picture& picture);

public Q_SLOTS:
    void Button4Click();
    void Button6Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void Button3Click();
    void Button5Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Button2Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The widgets and their layout.
    void makeWidgets();
    void FormShow();
    bool Edit3Exit() { return sizeExit(Edit3, Edit4, m_picture.size().height(), m_picture.size().width()); }
    bool Edit4Exit() { return sizeExit(Edit4, Edit3, m_picture.size().width(), m_picture.size().height()); }
    // A size field left: the other follows in proportion to the picture when the box says so.
    bool sizeExit(QLineEdit* edit, QLineEdit* other, int side, int otherSide);
    bool Edit2Exit();
    // Whether leaving a field this way checks it: not for 取消, a closing dialog or a popup menu.
    bool checksOnLeaving(const QFocusEvent* event) const;
    void Image2MouseDown(QPoint at);
    // Converts with the fields as they stand, by the threshold or the automatic method (which the
    // threshold field then shows); false (and says why) when a field is not a fit number.
    bool convertNow(std::optional<convert::ThresholdMethod> automatic = std::nullopt);
    void convertWith(int w, int h, int threshold, std::optional<convert::ThresholdMethod> automatic);
    // The shapes matched again to the picture's blocks, inverted or not, and shown.
    void matchShapes();
    void followFields();
    // The size in cells last converted, within the largest a drawing takes.
    QSize converted() const;
    convert::Mode mode() const;
    // The effect picture shown, inverted or made into cells.
    convert::Conversion fromEffect(bool invert, const convert::Fill& fill = {}) const;
    // Reads a size field; says why and puts the focus back when it does not hold one.
    bool readSize(QLineEdit* edit, int* value, bool refocus);
    bool readThreshold(int* value, bool refocus);
    void proposeSize();
    void showPictures();
    QList<QByteArray> resultLines() const;
    void complain(const QString& text, QLineEdit* focus = nullptr);

    UiPlatform& m_platform;
    DrawingHost& m_host;
    TKGZForm* m_thresholdForm = nullptr;
    TPictureSetForm* m_fillForm = nullptr;
    TTextViewForm* m_viewer = nullptr;
    std::function<void(const QString&)> m_status;
    convert::Picture m_picture;
    QImage m_scaled = convert::blankPicture();
    QImage m_effect = convert::blankPicture();
    // Shape matching chooses glyphs the effect picture cannot hold: what it last matched, kept.
    bool m_showsShapes = false, m_shapesInverted = false;
    convert::ShapeSamples m_shapeSamples;
    QList<QByteArray> m_shapeLines;
    bool m_inExit = false;
};
