// The frame's dialogs, made on first use.
#include "FrameDialogs.h"

#include "Icons.h"
#include "TMainForm.h"
#include "ui/dialogs/DialogPlace.h"
#include "ui/dialogs/TAboutForm.h"
#include "ui/dialogs/TExportForm.h"
#include "ui/dialogs/THBXZForm.h"
#include "ui/dialogs/TKGZForm.h"
#include "ui/dialogs/TNewForm.h"
#include "ui/dialogs/TPictureForm.h"
#include "ui/dialogs/TPictureSetForm.h"
#include "ui/dialogs/TTextForm.h"
#include "ui/platform/UiPlatform.h"

FrameDialogs::FrameDialogs(UiPlatform& platform, TMainForm& frame)
    : m_platform(platform), m_frame(frame), m_candidates(THBXZForm::readCandidates(platform)) {}

template <class Dialog> Dialog* FrameDialogs::placed(Dialog* dialog) {
    new DialogPlace(dialog);
    return dialog;
}

THBXZForm& FrameDialogs::brush() {
    if (!m_brush) m_brush = placed(new THBXZForm(m_platform, m_candidates, &m_frame));
    return *m_brush;
}

TPictureSetForm& FrameDialogs::fill() {
    if (!m_fill) m_fill = placed(new TPictureSetForm(m_platform, &m_frame));
    return *m_fill;
}

TTextForm& FrameDialogs::text() {
    if (!m_text) {
        m_text = placed(new TTextForm(m_platform, &m_frame));
        m_text->setFillForm(&fill());
        m_text->setStatusSink([this](const QString& text) { m_frame.setStatusText(text); });
    }
    return *m_text;
}

TPictureForm& FrameDialogs::picture() {
    if (!m_picture) {
        m_picture = placed(new TPictureForm(m_platform, m_frame, &m_frame));
        m_picture->setSettingsForms(placed(new TKGZForm(&m_frame)), &fill());
        m_picture->setStatusSink([this](const QString& text) { m_frame.setStatusText(text); });
    }
    return *m_picture;
}

TNewForm& FrameDialogs::newDrawing() {
    if (!m_new) m_new = placed(new TNewForm(m_platform, &m_frame));
    return *m_new;
}

TAboutForm& FrameDialogs::about() {
    if (!m_about)
        m_about = placed(
            new TAboutForm(svgPixmap(QStringLiteral(":/icons/runeboard.svg"), QSize(64, 64)), &m_frame));
    return *m_about;
}

TExportForm& FrameDialogs::exporting() {
    if (!m_export) m_export = placed(new TExportForm(&m_frame));
    return *m_export;
}
