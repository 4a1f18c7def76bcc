// How a small picture becomes character art, one pixel to one cell: the grey
// value, the two-colour threshold or the ten-step letter gradient, inverting,
// the cells from the brush or from an article, and the automatic threshold.
#pragma once

#include "PixelView.h"
#include "core/model/CharGrid.h"

#include <QByteArray>
#include <QList>
#include <QSize>

#include <optional>

namespace convert {

// The scaled and effect pictures hold at most this many pixels each way.
inline constexpr int kMaxSide = kGridMax;
inline constexpr int kDefaultThreshold = 150;

// Dither is two colours too, by error diffusion; shapes choose each cell's glyph by its shape.
enum class Mode { TwoColour, Gradient, Dither, Shapes };
enum class ThresholdMethod { Mean, MostFrequent };

// The size in cells proposed for a picture: its own size where it fits, else the
// size divided by the smallest divisor 2..999 that brings both sides within the
// limits, at least one cell a side; nothing when no divisor does.
std::optional<QSize> proposedSize(QSize picture, int maxWidth = kMaxSide, int maxHeight = kMaxSide);

// (red + green + blue) div 3: the three channels weigh the same.
int grey(QRgb colour);

// The rules work over the top-left w x h area of the pictures, as far as the pictures reach.

// Grey at or above the threshold becomes ink (black), below it background (white).
void twoColour(ConstPixels scaled, Pixels effect, int w, int h, int threshold);
// Two colours by Floyd-Steinberg error diffusion over the greys, row by row in serpentine order:
// a pixel whose grey with the error carried to it reaches the threshold is ink (255), any other
// background (0), and the difference goes on to its neighbours. A flat grey gives that share of
// ink, spread evenly.
void dither(ConstPixels scaled, Pixels effect, int w, int h, int threshold);
// Grey div 26 as one of ten grey levels 0, 26, ..., 234.
void gradient(ConstPixels scaled, Pixels effect, int w, int h);
// Two colours (threshold or dither): exactly black becomes white, anything else black.
// Gradient: level k becomes 9 - k.
void invert(Pixels effect, int w, int h, Mode mode);

// The next cells of an article: it repeats from its start as often as needed, a
// double-byte character is never split, CR and LF are spaces.
class ArticleWalk {
public:
    explicit ArticleWalk(QByteArray article);
    CharCell next();

private:
    QByteArray m_text; // ends in a 0 byte
    qsizetype m_pos = 0;
};

// What ink cells are filled with: the brush's two bytes, or the article's cells.
struct Fill {
    QByteArray brush = QByteArray("  ");
    bool useArticle = false;
    QByteArray article; // GBK
};

// The brush as two bytes: a short brush is completed with spaces.
QByteArray brushBytes(QByteArray brush);

// One line of 2 * w bytes per row of the w x h area of the effect picture: background cells
// are two spaces; the article starts at its first byte.
QList<QByteArray> cells(ConstPixels effect, int w, int h, Mode mode, const Fill& fill);
// The same over any rectangle of the picture, inside the picture.
QList<QByteArray> cellsIn(ConstPixels effect, const QRect& area, Mode mode, const Fill& fill);

// The smallest rectangle holding every exactly black pixel of the w x h area; empty when there are none.
QRect inkBounds(ConstPixels picture, int w, int h);

// The threshold from the histogram of grey values of the w x h area of the scaled picture:
// their mean, or the most frequent grey (the lowest on a tie). Nothing for an empty area.
std::optional<int> autoThreshold(ConstPixels scaled, int w, int h, ThresholdMethod method);

// The preview file's bytes: each line with space pairs as ideographic spaces, CR LF after each.
QByteArray previewBytes(QList<QByteArray> lines);

} // namespace convert
