// A font for a family name the program uses, such as "宋体", that may not be installed.
#pragma once

#include <QFont>
#include <QString>

// The installed family of that name, or else the family that stands in for it, named directly:
// given a missing name, Qt first asks the font configuration for every font that might serve it,
// which costs a start-up more than the rest of the palette.
QFont standInFont(const QString& family, int pixelSize);
