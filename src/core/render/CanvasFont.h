// The fonts the program names and the installed fonts that serve them.
#pragma once

#include <QFont>
#include <QString>

// The canvas font a drawing stores by name.
inline const QString kCanvasFontName = QStringLiteral("Fixedsys");

// The installed Chinese family that stands in for "宋体" and the dialogs' font.
inline const QString kChineseFamily = QStringLiteral("WenQuanYi Micro Hei");

// Makes the font names the program uses ("宋体", "MS Sans Serif", "Fixedsys") find the installed
// fonts that stand in for them.
void installFontStandIns();

// The installed family that stands in for a font name the program uses: a
// fixed-pitch font with full Chinese coverage for "Fixedsys", the name itself
// for any other.
QString servingFamily(const QString& name);

// The font the canvas draws with: a double-byte character 16 pixels wide and a
// single-byte character 8.
QFont canvasFont(const QString& name, int pointSize);
// The same font for a printer, where it keeps its size in points.
QFont printFont(const QString& name, int pointSize);
