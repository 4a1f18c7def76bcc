// Help window.
#include "THelpForm.h"

#include "core/platform/Platform.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpForm::THelpForm(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), m_platform(platform) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("符阵画板 帮助"));
    TextBrowser1 = new QTextBrowser;
    TextBrowser1->setObjectName(QStringLiteral("TextBrowser1"));
    TextBrowser1->setOpenLinks(false);
    connect(TextBrowser1, &QTextBrowser::anchorClicked, this, &THelpForm::followLink);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TextBrowser1);
    resize(720, 560);
}

bool THelpForm::showPage(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    TextBrowser1->setSource(QUrl::fromLocalFile(path));
    if (!isVisible() && parentWidget()) {
        // Over the frame the user works in, rather than wherever the system puts new windows.
        const QRect frame = parentWidget()->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    return true;
}

void THelpForm::followLink(const QUrl& url) {
    // Pages and anchors of the help stay in this window; everything else is the system's.
    if (url.isLocalFile() || url.isRelative()) {
        TextBrowser1->setSource(TextBrowser1->source().resolved(url));
        return;
    }
    if (!m_platform.openExternal(url))
        m_platform.messageBox(QStringLiteral("系统无法打开这个地址：\n%1").arg(url.toString()),
                              QStringLiteral("Runeboard"), MessageButtons::Ok, MessageKind::Warning);
}
