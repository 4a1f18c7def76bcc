// Picture export.
#include "ExportPicture.h"

#include "core/commands/Messages.h"
#include "core/model/Drawing.h"
#include "core/render/CanvasFont.h"
#include "core/render/PictureExport.h"
#include "core/text/TextFile.h"
#include "ui/dialogs/TExportForm.h"
#include "ui/platform/UiPlatform.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kScaleKey = QStringLiteral("export/scale");
const QString kInvertKey = QStringLiteral("export/inverted");

} // namespace

bool ExportPicture::run(Drawing& d) {
    m_form.setChoices(m_platform.setting(kScaleKey).toInt() == 2 ? 2 : 1,
                      m_platform.setting(kInvertKey).toBool());
    m_form.setDrawingSize(d.GridWidth, d.GridHeight);
    if (m_platform.execDialog(m_form) != QDialog::Accepted) return false;
    m_platform.setSetting(kScaleKey, m_form.scale());
    m_platform.setSetting(kInvertKey, m_form.inverted());

    // The drawing's own name with the picture's ending, beside it.
    const QString suggested =
        d.FileName.isEmpty()
            ? QStringLiteral("新建.png")
            : QFileInfo(d.FileName)
                  .dir()
                  .filePath(QFileInfo(d.FileName).completeBaseName() + QStringLiteral(".png"));
    const QString path =
        m_platform.saveFileName({QStringLiteral("PNG 图片 (*.png)")}, QStringLiteral("png"), suggested);
    if (path.isEmpty()) return false;
    if (QFileInfo::exists(path) &&
        m_platform.messageBox(QStringLiteral("此文件已经存在，是否覆盖?"), QStringLiteral("请确认"),
                              MessageButtons::YesNo, MessageKind::Question) != MessageAnswer::Yes)
        return false;

    // What the canvas shows, a floating block included, as saving takes it.
    const QImage picture =
        exportedPicture(d.ShownGrid, d.GridWidth, d.GridHeight, d.FontName, d.FontSize,
                        m_form.scale(), m_form.inverted());
    const QByteArray bytes = pngBytes(picture);
    QString problem;
    if (bytes.isEmpty())
        problem = QStringLiteral("无法生成 PNG 图片");
    else if (const auto failure = writeFileAtomically(path, bytes))
        problem = messages::reason(*failure);
    if (!problem.isEmpty()) {
        m_platform.messageBox(QStringLiteral("无法导出图片“%1”：%2\n原来的文件保持不变。")
                                  .arg(QDir::toNativeSeparators(path), problem),
                              QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Error);
        return false;
    }
    return true;
}
