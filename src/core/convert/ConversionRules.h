// The conversion rules over any picture laid out as 32-bit rows (QImage's RGB32, RgbRaster):
// one definition, used for both.
#pragma once

#include "CellConversion.h"

#include <algorithm>
#include <array>

namespace convert::rules {

// Indexed 0 (empty) to 9 (densest).
inline const std::array<const char*, 10> kLetterGradient{"  ", "..", ",,", ";;", "!!",
                                                         "||", "[[", "&&", "%%", "@@"};

inline constexpr QRgb kInk = 0xFF000000u;
inline constexpr QRgb kPaper = 0xFFFFFFFFu;

inline QRgb level(int k) {
    const int v = k * 26;
    return qRgb(v, v, v);
}

inline bool isInk(QRgb c) {
    return (c & 0x00FFFFFFu) == 0;
}

inline int clampedSide(int v) {
    return std::clamp(v, 0, kMaxSide);
}

template <typename P> void twoColourIn(const P& scaled, P& effect, int w, int h, int threshold) {
    w = clampedSide(w), h = clampedSide(h);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(effect.scanLine(y));
        for (int x = 0; x < w; ++x) out[x] = grey(in[x]) < threshold ? kPaper : kInk;
    }
}

template <typename P> void gradientIn(const P& scaled, P& effect, int w, int h) {
    w = clampedSide(w), h = clampedSide(h);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(effect.scanLine(y));
        for (int x = 0; x < w; ++x) out[x] = level(grey(in[x]) / 26);
    }
}

template <typename P> void invertIn(P& effect, int w, int h, Mode mode) {
    w = clampedSide(w), h = clampedSide(h);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(effect.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = mode == Mode::TwoColour ? (isInk(row[x]) ? kPaper : kInk) : level(9 - qRed(row[x]) / 26);
    }
}

template <typename P> QRect inkBoundsOf(const P& picture, int w, int h) {
    w = clampedSide(w), h = clampedSide(h);
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (!isInk(row[x])) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

template <typename P>
QList<QByteArray> cellsInOf(const P& effect, const QRect& wanted, Mode mode, const Fill& fill) {
    const QRect area = wanted & QRect(0, 0, kMaxSide, kMaxSide);
    const QByteArray brush = brushBytes(fill.brush);
    ArticleWalk article(fill.article);
    QList<QByteArray> lines;
    lines.reserve(area.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(effect.constScanLine(y));
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

template <typename P> QList<QByteArray> cellsOf(const P& effect, int w, int h, Mode mode, const Fill& fill) {
    return cellsInOf(effect, QRect(0, 0, clampedSide(w), clampedSide(h)), mode, fill);
}

template <typename P>
std::optional<int> autoThresholdOf(const P& scaled, int w, int h, ThresholdMethod method) {
    w = clampedSide(w), h = clampedSide(h);
    if (w == 0 || h == 0) return std::nullopt;
    std::array<qint64, 256> counts{};
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < w; ++x) ++counts[size_t(grey(row[x]))];
    }
    if (method == ThresholdMethod::Mean) {
        qint64 sum = 0;
        for (int i = 0; i < 256; ++i) sum += i * counts[size_t(i)];
        return int(sum / (qint64(w) * h));
    }
    int best = 0;
    for (int i = 1; i < 256; ++i)
        if (counts[size_t(i)] > counts[size_t(best)]) best = i;
    return best;
}

} // namespace convert::rules
