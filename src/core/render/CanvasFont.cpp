// Font names and the fonts that serve them.
#include "CanvasFont.h"

namespace {

bool isCanvasFont(const QString& name) {
    return name.compare(kCanvasFontName, Qt::CaseInsensitive) == 0;
}

} // namespace

void installFontStandIns() {
    QFont::insertSubstitution(QStringLiteral("宋体"), kChineseFamily);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), kChineseFamily);
    QFont::insertSubstitution(kCanvasFontName, servingFamily(kCanvasFontName));
}

QString servingFamily(const QString& name) {
    return isCanvasFont(name) ? QStringLiteral("Unifont") : name;
}

QFont canvasFont(const QString& name, int pointSize) {
    if (isCanvasFont(name)) {
        // A bitmap font of one size: 16 pixels high, 8 wide per byte.
        QFont font(servingFamily(name));
        font.setPixelSize(16);
        font.setFixedPitch(true);
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        return font;
    }
    QFont font(name);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    return font;
}

QFont printFont(const QString& name, int pointSize) {
    QFont font(servingFamily(name));
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setFixedPitch(true);
    return font;
}
