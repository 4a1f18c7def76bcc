// Shape matching.
#include "ShapeMatch.h"

#include "CellConversion.h"
#include "JpegSampler.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace convert {

QString shapeCharacters() {
    // Box drawing, the blocks and shades, and the four corner triangles; those GBK lacks are
    // left out where the glyphs are made.
    QString s;
    for (char16_t c = 0x2500; c <= 0x259F; ++c) s += QChar(c);
    for (char16_t c = 0x25E2; c <= 0x25E5; ++c) s += QChar(c);
    return s;
}

CellBlocks blocksOf(ConstPixels square) {
    CellBlocks b{};
    const int w = square.width(), h = square.height();
    if (w <= 0 || h <= 0) return b;
    for (int y = 0; y < kCellSize; ++y) {
        const QRgb* row = square.row((2 * y + 1) * h / (2 * kCellSize));
        for (int x = 0; x < kCellSize; ++x)
            b[size_t((y / kShapeBlockPixels) * kShapeBlocks + x / kShapeBlockPixels)] +=
                float(255 - grey(row[(2 * x + 1) * w / (2 * kCellSize)]));
    }
    for (float& v : b) v /= 255.0f * kShapeBlockPixels * kShapeBlockPixels;
    return b;
}

ShapeSamples shapeSamples(ConstPixels picture, QSize stretch, QSize cells) {
    ShapeSamples s;
    // Never beyond the stretch, where no pixel of the picture lies.
    s.w = std::clamp(cells.width(), 0, std::min(kMaxSide, stretch.width()));
    s.h = std::clamp(cells.height(), 0, std::min(kMaxSide, stretch.height()));
    const int bw = s.w * kShapeBlocks, bh = s.h * kShapeBlocks;
    s.dark.assign(size_t(bw) * size_t(bh), 0.0f);
    if (picture.width() <= 0 || picture.height() <= 0) return s;
    const qint64 pw = qint64(stretch.width()) * kCellSize, ph = qint64(stretch.height()) * kCellSize;
    std::vector<qint64> columns(size_t(bw) * kShapeBlockPixels);
    for (size_t x = 0; x < columns.size(); ++x) columns[x] = jpeg::sampleAt(qint64(x), picture.width(), pw);
    const float perPixel = 1.0f / (255.0f * kShapeBlockPixels * kShapeBlockPixels);
    for (int py = 0; py < bh * kShapeBlockPixels; ++py) {
        const QRgb* in = picture.row(int(jpeg::sampleAt(py, picture.height(), ph)));
        float* out = s.dark.data() + size_t(py / kShapeBlockPixels) * size_t(bw);
        for (int bx = 0; bx < bw; ++bx) {
            int sum = 0;
            for (int i = 0; i < kShapeBlockPixels; ++i)
                sum += 255 - grey(in[columns[size_t(bx * kShapeBlockPixels + i)]]);
            out[bx] += float(sum) * perPixel;
        }
    }
    return s;
}

namespace {

// How much a half cell's grey as a whole counts beside its blocks: a difference in the half's grey
// costs this many times what the same difference in each of its blocks alone would. By the blocks
// alone a flat grey goes to the evenest glyph, blank or full, and its tone is lost; seen from a
// little further away a cell is one grey, and a glyph of that grey (the three-quarters block for a
// dark grey) is the better choice.
constexpr float kToneWeight = 16.0f;

// What a half cell is compared by: its 3 x 6 blocks, then its grey, weighted.
constexpr size_t kHalfBlocks = std::tuple_size_v<HalfBlocks>;
constexpr size_t kHalfFeatures = kHalfBlocks + 1;
using HalfFeatures = std::array<float, kHalfFeatures>;

// A half cell's blocks as features: the blocks, then their grey, weighted.
template <typename Block> HalfFeatures featuresOf(Block block) {
    HalfFeatures f{};
    float sum = 0;
    for (size_t k = 0; k < kHalfBlocks; ++k) sum += f[k] = block(k);
    f[kHalfBlocks] = sum * std::sqrt(kToneWeight / float(kHalfBlocks));
    return f;
}

// The half (0 left, 1 right) of a cell's blocks.
HalfFeatures halfOf(const float* cell, int half) {
    return featuresOf(
        [=](size_t k) { return cell[(k / kShapeHalf) * kShapeBlocks + half * kShapeHalf + k % kShapeHalf]; });
}

HalfFeatures halfOf(const HalfBlocks& blocks) {
    return featuresOf([&](size_t k) { return blocks[k]; });
}

// A whole cell: both halves.
std::array<float, 2 * kHalfFeatures> cellOf(const HalfFeatures& left, const HalfFeatures& right) {
    std::array<float, 2 * kHalfFeatures> f;
    std::copy(left.begin(), left.end(), f.begin());
    std::copy(right.begin(), right.end(), f.begin() + kHalfFeatures);
    return f;
}

// A set of glyphs laid out for scoring a target against all of them at once: a run of kLanes
// glyphs at a time with feature k of each side by side, so that the scores of a run are kept in
// registers and computed in independent lanes.
class GlyphTable {
public:
    static constexpr size_t kLanes = 8;

    explicit GlyphTable(size_t features) : m_features(features) {}

    void add(const float* features, float ink) {
        m_rows.insert(m_rows.end(), features, features + m_features);
        float norm = 0;
        for (size_t k = 0; k < m_features; ++k) norm += features[k] * features[k];
        m_norm.push_back(norm);
        m_ink.push_back(ink);
    }
    // Each glyph's share of ink.
    float ink(size_t glyph) const { return m_ink[glyph]; }

    // The glyph nearest the target and its score: the squared difference less the target's own
    // sum of squares.
    std::pair<size_t, float> nearest(const float* target) {
        if (m_runs.empty()) layOut();
        size_t best = 0;
        float bestScore = std::numeric_limits<float>::max();
        const size_t runs = m_runs.size() / (m_features * kLanes);
        for (size_t run = 0; run < runs; ++run) {
            std::array<float, kLanes> score;
            std::copy_n(m_runNorm.data() + run * kLanes, kLanes, score.begin());
            const float* v = m_runs.data() + run * m_features * kLanes;
            for (size_t k = 0; k < m_features; ++k, v += kLanes) {
                const float t2 = 2.0f * target[k];
                for (size_t lane = 0; lane < kLanes; ++lane) score[lane] -= t2 * v[lane];
            }
            for (size_t lane = 0; lane < kLanes; ++lane)
                if (score[lane] < bestScore) bestScore = score[lane], best = run * kLanes + lane;
        }
        return {best, bestScore};
    }

private:
    void layOut() {
        // The last run is filled up with copies of the first glyph, which never win over it.
        const size_t count = m_norm.size(), runs = (count + kLanes - 1) / kLanes;
        m_runs.resize(runs * kLanes * m_features);
        m_runNorm.resize(runs * kLanes);
        for (size_t slot = 0; slot < runs * kLanes; ++slot) {
            const size_t g = slot < count ? slot : 0, run = slot / kLanes, lane = slot % kLanes;
            m_runNorm[slot] = m_norm[g];
            for (size_t k = 0; k < m_features; ++k)
                m_runs[(run * m_features + k) * kLanes + lane] = m_rows[g * m_features + k];
        }
    }

    size_t m_features;
    std::vector<float> m_rows, m_norm, m_ink, m_runs, m_runNorm;
};

} // namespace

ShapeMatch matchShapes(const ShapeSamples& s, const GlyphMasks& glyphs, bool invert) {
    ShapeMatch m;
    m.ink.assign(size_t(s.w) * size_t(s.h), 0.0f);
    if (glyphs.wide.empty() || s.w <= 0 || s.h <= 0) {
        for (int y = 0; y < s.h; ++y) m.lines << QByteArray(2 * s.w, ' ');
        return m;
    }
    // A wide glyph is compared by both its halves; a pair of narrow ones half by half.
    GlyphTable wide(2 * kHalfFeatures), left(kHalfFeatures), right(kHalfFeatures);
    auto share = [](const auto& blocks) {
        float sum = 0;
        for (float v : blocks) sum += v;
        return sum / float(blocks.size());
    };
    for (const GlyphMasks::Wide& g : glyphs.wide)
        wide.add(cellOf(halfOf(g.blocks.data(), 0), halfOf(g.blocks.data(), 1)).data(), share(g.blocks));
    for (const GlyphMasks::Narrow& g : glyphs.narrow) {
        left.add(halfOf(g.left).data(), share(g.left));
        right.add(halfOf(g.right).data(), share(g.right));
    }
    CellBlocks target;
    for (int y = 0; y < s.h; ++y) {
        QByteArray line(2 * s.w, ' ');
        for (int x = 0; x < s.w; ++x) {
            for (int by = 0; by < kShapeBlocks; ++by)
                for (int bx = 0; bx < kShapeBlocks; ++bx) {
                    const float d = s.at(x * kShapeBlocks + bx, y * kShapeBlocks + by);
                    target[size_t(by * kShapeBlocks + bx)] = invert ? 1.0f - d : d;
                }
            const HalfFeatures first = halfOf(target.data(), 0), second = halfOf(target.data(), 1);
            const auto [w, wideScore] = wide.nearest(cellOf(first, second).data());
            const auto [l, leftScore] = left.nearest(first.data());
            const auto [r, rightScore] = right.nearest(second.data());
            float ink;
            if (leftScore + rightScore < wideScore) {
                line[2 * x] = glyphs.narrow[l].byte;
                line[2 * x + 1] = glyphs.narrow[r].byte;
                ink = (left.ink(l) + right.ink(r)) / 2;
            } else {
                line[2 * x] = glyphs.wide[w].bytes[0];
                line[2 * x + 1] = glyphs.wide[w].bytes[1];
                ink = wide.ink(w);
            }
            m.ink[size_t(y) * size_t(s.w) + size_t(x)] = ink;
        }
        m.lines << line;
    }
    return m;
}

} // namespace convert
