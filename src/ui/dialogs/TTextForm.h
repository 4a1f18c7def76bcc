// The text banner: a line of text in any installed font, drawn one pixel per
// cell from the pressed cell, and placed as a floating block over its ink.
#pragma once

#include "core/convert/CellConversion.h"
#include "core/convert/Conversion.h"
#include "core/convert/ImagePixels.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class Drawing;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TPictureSetForm;
class TTextViewForm;
class UiPlatform;

class TTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TTextForm(UiPlatform& platform, QWidget* parent = nullptr);

    void setFillForm(TPictureSetForm* form) { m_fillForm = form; }
    void setStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }
    // Opens the banner for a drawing with the text's top-left at a cell; shows it modally.
    void openFor(Drawing& drawing, QObject* window, QPoint cell);

    QComboBox* ComboBox1 = nullptr;      // font
    QComboBox* ComboBox2 = nullptr;      // size
    QToolButton* SpeedButton1 = nullptr; // B
    QToolButton* SpeedButton2 = nullptr; // I
    QToolButton* SpeedButton3 = nullptr; // U
    QLineEdit* Edit1 = nullptr;
    QLabel* Image1 = nullptr;
    QToolButton* SpeedButton4 = nullptr; // 反转
    QToolButton* SpeedButton5 = nullptr; // 预览
    QToolButton* SpeedButton6 = nullptr; // 高级
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;

    Drawing* TargetDrawing = nullptr;
    QPointer<QObject> TargetWindow;
    int OriginX = 0, OriginY = 0;
    int FillMode = 0;

    // The banner's picture (100 x 100) and the font it is drawn in.
    const QImage& picture() const { return m_picture; }
    const QFont& pictureFont() const { return m_font; }

public Q_SLOTS:
    void Edit1Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void Button2Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void Image1MouseDown(QPoint pixel);
    void styleChanged();
    void redraw();
    void showPicture();
    QSize visible() const;
    convert::Fill fill() const;
    // The picture through the conversion with these settings, over the part the drawing shows.
    convert::Conversion converted(convert::ConversionSettings settings) const;

    UiPlatform& m_platform;
    TPictureSetForm* m_fillForm = nullptr;
    TTextViewForm* m_viewer = nullptr;
    std::function<void(const QString&)> m_status;
    QFont m_font;
    QImage m_picture = convert::blankPicture();
};
