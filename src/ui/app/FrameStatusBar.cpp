// The frame's status bar.
#include "FrameStatusBar.h"

#include "ui/document/TChildForm.h"

#include <QLabel>

FrameStatusBar::FrameStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setFixedHeight(19 + 4);
    m_panel = new QLabel;
    m_panel->setObjectName(QStringLiteral("StatusPanel"));
    addWidget(m_panel, 1);
    m_zoom = new QLabel;
    m_zoom->setObjectName(QStringLiteral("ZoomLabel"));
    m_zoom->setToolTip(QStringLiteral("当前画板的显示比例"));
    addPermanentWidget(m_zoom);
    m_encoding = new QLabel;
    m_encoding->setObjectName(QStringLiteral("EncodingLabel"));
    m_encoding->setToolTip(QStringLiteral("当前画板文件的编码"));
    addPermanentWidget(m_encoding);
}

QString FrameStatusBar::text() const {
    return m_panel->text();
}

void FrameStatusBar::setText(const QString& text) {
    m_panel->setText(text);
}

void FrameStatusBar::showDrawing(const TChildForm* child) {
    m_zoom->setText(child ? QStringLiteral("%1%").arg(child->zoomPercent()) : QString());
    m_encoding->setText(child ? encodingName(child->drawing().Encoding) : QString());
}
