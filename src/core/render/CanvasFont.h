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

// The installed family that stands in for a font name the program uses: for "Fixedsys" a
// fixed-pitch font with full Chinese coverage whose Latin letters are half as wide as a Chinese
// character, the name itself for any other.
QString servingFamily(const QString& name);

// The family the canvas draws double-byte characters with: a Song-style Chinese face where one
// is installed, else a plain one. Chosen once.
QString canvasWideFamily();

// The faces the canvas draws a cell's text with at one size. A double-byte character is centred
// in a square of em pixels; single-byte characters are each centred in one half of it. Both sit
// on one baseline, which puts the Chinese character's ink in the middle of the square.
struct CanvasFace {
    QFont wide;
    QFont narrow;
    int em = 16;
    // From the square's top. Measured when first asked for, since that loads the face: a
    // drawing of blank cells is shown without.
    int baseline() const;

private:
    mutable int m_baseline = -1;
};
CanvasFace canvasFace(const QString& name, int pointSize, int em = 16);

// One font for the canvas's text where it is shown as a line rather than in cells (the edit box,
// the text views): double-byte characters 16 pixels wide and single-byte characters 8.
QFont canvasFont(const QString& name, int pointSize);
// The same font for a printer, where it keeps its size in points.
QFont printFont(const QString& name, int pointSize);
