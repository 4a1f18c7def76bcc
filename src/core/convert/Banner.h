// The text banner's picture: a line of text in any installed font, black on
// white without antialiasing, so that every pixel of ink is exactly black.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

namespace convert {

// The font a banner is drawn in: the family (a name the program knows stands for an installed
// font), the size in points and the styles; never smoothed.
QFont bannerFont(const QString& family, int pointSize, bool bold, bool italic, bool underline);

// The installed family that draws `font` when neither its own family nor the one the program
// stands in for it (see installFontStandIns) is installed; nothing when one of them is.
std::optional<QString> standInFamily(const QFont& font);

// A white 100 x 100 picture with the text's top-left corner at `origin`; what falls outside is cut off.
QImage renderBanner(const QString& text, const QFont& font, QPoint origin);

} // namespace convert
