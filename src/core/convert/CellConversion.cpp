// Conversion rules.
#include "CellConversion.h"

#include "core/text/TextLines.h"

#include <algorithm>
#include <array>
#include <vector>

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

namespace {

// Indexed 0 (empty) to 9 (densest).
const std::array<const char*, 10> kLetterGradient{"  ", "..", ",,", ";;", "!!", "||", "[[", "&&", "%%", "@@"};

constexpr QRgb kInk = 0xFF000000u;
constexpr QRgb kPaper = 0xFFFFFFFFu;

QRgb level(int k) {
    const int v = k * 26;
    return qRgb(v, v, v);
}

bool isInk(QRgb c) {
    return (c & 0x00FFFFFFu) == 0;
}

// The w x h area, as far as the picture reaches.
QRect areaIn(ConstPixels picture, int w, int h) {
    return QRect(0, 0, std::clamp(w, 0, picture.width()), std::clamp(h, 0, picture.height()));
}

} // namespace

void twoColour(ConstPixels scaled, Pixels effect, int w, int h, int threshold) {
    const QRect area = areaIn(scaled, w, h) & areaIn(effect, w, h);
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* in = scaled.row(y);
        QRgb* out = effect.row(y);
        for (int x = 0; x < area.width(); ++x) out[x] = grey(in[x]) < threshold ? kPaper : kInk;
    }
}

void dither(ConstPixels scaled, Pixels effect, int w, int h, int threshold) {
    const QRect area = areaIn(scaled, w, h) & areaIn(effect, w, h);
    const int width = area.width();
    // The error carried to each pixel of this row and the next, in sixteenths of a grey step,
    // with a spare entry at each end for what falls off the edge.
    std::vector<int> here(size_t(width) + 2), below(size_t(width) + 2);
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* in = scaled.row(y);
        QRgb* out = effect.row(y);
        const bool rightwards = y % 2 == 0;
        const int step = rightwards ? 1 : -1;
        std::fill(below.begin(), below.end(), 0);
        for (int i = 0; i < width; ++i) {
            const int x = rightwards ? i : width - 1 - i;
            const size_t at = size_t(x + 1);
            const int value = grey(in[x]) * 16 + here[at];
            const bool ink = value >= threshold * 16;
            out[x] = ink ? kInk : kPaper;
            const int error = value - (ink ? 255 * 16 : 0);
            here[at + size_t(step)] += error * 7 / 16;
            below[at - size_t(step)] += error * 3 / 16;
            below[at] += error * 5 / 16;
            below[at + size_t(step)] += error / 16;
        }
        std::swap(here, below);
    }
}

void gradient(ConstPixels scaled, Pixels effect, int w, int h) {
    const QRect area = areaIn(scaled, w, h) & areaIn(effect, w, h);
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* in = scaled.row(y);
        QRgb* out = effect.row(y);
        for (int x = 0; x < area.width(); ++x) out[x] = level(grey(in[x]) / 26);
    }
}

void invert(Pixels effect, int w, int h, Mode mode) {
    const QRect area = areaIn(effect, w, h);
    for (int y = 0; y < area.height(); ++y) {
        QRgb* row = effect.row(y);
        for (int x = 0; x < area.width(); ++x)
            row[x] = mode == Mode::Gradient ? level(9 - qRed(row[x]) / 26) : (isInk(row[x]) ? kPaper : kInk);
    }
}

QRect inkBounds(ConstPixels picture, int w, int h) {
    const QRect area = areaIn(picture, w, h);
    int left = area.width(), top = area.height(), right = -1, bottom = -1;
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* row = picture.row(y);
        for (int x = 0; x < area.width(); ++x) {
            if (!isInk(row[x])) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QList<QByteArray> cellsIn(ConstPixels effect, const QRect& wanted, Mode mode, const Fill& fill) {
    const QRect area = wanted & effect.rect();
    const QByteArray brush = brushBytes(fill.brush);
    ArticleWalk article(fill.article);
    QList<QByteArray> lines;
    lines.reserve(area.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = effect.row(y);
        QByteArray line;
        line.reserve(2 * area.width());
        for (int x = area.left(); x <= area.right(); ++x) {
            if (mode == Mode::Gradient) {
                // Black is the densest entry, a grey of 234 or more the empty one.
                line += kLetterGradient[size_t(9 - std::clamp(qRed(row[x]) / 26, 0, 9))];
            } else if (!isInk(row[x])) {
                line += "  ";
            } else if (fill.useArticle) {
                const CharCell c = article.next();
                line += char(c.b0);
                line += char(c.b1);
            } else {
                line += brush;
            }
        }
        lines << line;
    }
    return lines;
}

QList<QByteArray> cells(ConstPixels effect, int w, int h, Mode mode, const Fill& fill) {
    return cellsIn(effect, areaIn(effect, w, h), mode, fill);
}

std::optional<int> autoThreshold(ConstPixels scaled, int w, int h, ThresholdMethod method) {
    const QRect area = areaIn(scaled, w, h);
    if (area.isEmpty()) return std::nullopt;
    std::array<qint64, 256> counts{};
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* row = scaled.row(y);
        for (int x = 0; x < area.width(); ++x) ++counts[size_t(grey(row[x]))];
    }
    if (method == ThresholdMethod::Mean) {
        qint64 sum = 0;
        for (int i = 0; i < 256; ++i) sum += i * counts[size_t(i)];
        return int(sum / (qint64(area.width()) * area.height()));
    }
    int best = 0;
    for (int i = 1; i < 256; ++i)
        if (counts[size_t(i)] > counts[size_t(best)]) best = i;
    return best;
}

std::optional<QSize> proposedSize(QSize picture, int maxWidth, int maxHeight) {
    const int h = picture.height(), w = picture.width();
    if (h <= maxHeight && w <= maxWidth) return picture;
    // A side the division makes 0 keeps one cell, or a thin line could not be converted at all.
    for (int i = 2; i <= 999; ++i)
        if (h / i <= maxHeight && w / i <= maxWidth) return QSize(std::max(w / i, 1), std::max(h / i, 1));
    return std::nullopt;
}

} // namespace convert
