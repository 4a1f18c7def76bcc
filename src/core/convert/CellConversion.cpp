// Conversion rules.
#include "CellConversion.h"

#include "ConversionRules.h"
#include "core/text/TextLines.h"

#include <algorithm>
#include <array>

namespace convert {

int grey(QRgb c) {
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}

ArticleWalk::ArticleWalk(QByteArray article) : m_text(std::move(article)) {
    // A 0 byte inside would end the article there, as it ends the text of a cell.
    if (const qsizetype zero = m_text.indexOf('\0'); zero >= 0) m_text.truncate(zero);
    m_text.append('\0');
}

CharCell ArticleWalk::next() {
    const auto at = [this](qsizetype i) { return uchar(m_text[i]); };
    if (at(0) == 0) return CharCell::blank(); // an empty article fills nothing
    if (at(m_pos) == 0) m_pos = 0;
    uchar a = at(m_pos++);
    const uchar n = at(m_pos);
    uchar b;
    if (n == 0) {
        // The article ends after a: a single-byte first character of the article shares the cell.
        m_pos = 0;
        if (at(0) > 0x7F) {
            b = ' ';
        } else {
            b = at(0);
            m_pos = 1;
        }
    } else if (a <= 0x7F && n <= 0x7F) {
        b = n;
        ++m_pos;
    } else if (a <= 0x7F) {
        b = ' '; // the double-byte character that follows begins the next cell
    } else {
        b = n;
        ++m_pos;
    }
    auto plain = [](uchar c) { return c == '\r' || c == '\n' ? uchar(' ') : c; };
    a = plain(a);
    b = plain(b);
    return CharCell::of(a, b);
}

QByteArray brushBytes(QByteArray brush) {
    brush.truncate(2);
    while (brush.size() < 2) brush += ' ';
    return brush;
}

QByteArray previewBytes(QList<QByteArray> lines) {
    QByteArray out;
    for (QByteArray& line : lines) {
        pairSpaces(line);
        out += line;
        out += "\r\n";
    }
    return out;
}

void twoColour(const RgbRaster& scaled, RgbRaster& effect, int w, int h, int threshold) {
    rules::twoColourIn(scaled, effect, w, h, threshold);
}
void gradient(const RgbRaster& scaled, RgbRaster& effect, int w, int h) {
    rules::gradientIn(scaled, effect, w, h);
}
void invert(RgbRaster& effect, int w, int h, Mode mode) {
    rules::invertIn(effect, w, h, mode);
}
QList<QByteArray> cells(const RgbRaster& effect, int w, int h, Mode mode, const Fill& fill) {
    return rules::cellsOf(effect, w, h, mode, fill);
}
QList<QByteArray> cellsIn(const RgbRaster& effect, const QRect& area, Mode mode, const Fill& fill) {
    return rules::cellsInOf(effect, area, mode, fill);
}
QRect inkBounds(const RgbRaster& picture, int w, int h) {
    return rules::inkBoundsOf(picture, w, h);
}
std::optional<int> autoThreshold(const RgbRaster& scaled, int w, int h, ThresholdMethod method) {
    return rules::autoThresholdOf(scaled, w, h, method);
}

std::optional<QSize> proposedSize(QSize picture, int maxWidth, int maxHeight) {
    const int h = picture.height(), w = picture.width();
    if (h <= maxHeight && w <= maxWidth) return picture;
    for (int i = 2; i <= 999; ++i)
        if (h / i <= maxHeight && w / i <= maxWidth) return QSize(w / i, h / i);
    return std::nullopt;
}

} // namespace convert
