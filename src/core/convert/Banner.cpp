// Banner rendering.
#include "Banner.h"

#include "ImagePixels.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>

namespace convert {

QFont bannerFont(const QString& family, int pointSize, bool bold, bool italic, bool underline) {
    QFont font(family);
    font.setPointSize(std::max(pointSize, 1));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

std::optional<QString> standInFamily(const QFont& font) {
    const QString family = font.family();
    if (QFontDatabase::hasFamily(family)) return std::nullopt;
    for (const QString& substitute : QFont::substitutes(family))
        if (QFontDatabase::hasFamily(substitute)) return std::nullopt;
    return QFontInfo(font).family();
}

QImage renderBanner(const QString& text, const QFont& font, QPoint origin) {
    QImage picture = blankPicture();
    if (text.isEmpty()) return picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    p.setPen(Qt::black);
    // The text's box starts at the origin, as the drawing's cell does.
    p.drawText(QRect(origin, QSize(100000, 100000)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return picture;
}

} // namespace convert
