// Fonts for the names the program uses.
#include "StandInFont.h"

#include <QFontDatabase>

QFont standInFont(const QString& family, int pixelSize) {
    QFont font(QFontDatabase::hasFamily(family) ? family : QFont::substitute(family));
    font.setPixelSize(pixelSize);
    return font;
}
