// The conversion rules over QImage, the pictures the dialogs show.
#include "CellConversion.h"
#include "ConversionRules.h"

namespace convert {

QImage blankPicture() {
    QImage image(kMaxSide, kMaxSide, QImage::Format_RGB32);
    image.fill(rules::kPaper);
    return image;
}

void twoColour(const QImage& scaled, QImage& effect, int w, int h, int threshold) {
    rules::twoColourIn(scaled, effect, w, h, threshold);
}
void gradient(const QImage& scaled, QImage& effect, int w, int h) {
    rules::gradientIn(scaled, effect, w, h);
}
void invert(QImage& effect, int w, int h, Mode mode) {
    rules::invertIn(effect, w, h, mode);
}
QList<QByteArray> cells(const QImage& effect, int w, int h, Mode mode, const Fill& fill) {
    return rules::cellsOf(effect, w, h, mode, fill);
}
QList<QByteArray> cellsIn(const QImage& effect, const QRect& area, Mode mode, const Fill& fill) {
    return rules::cellsInOf(effect, area, mode, fill);
}
QRect inkBounds(const QImage& picture, int w, int h) {
    return rules::inkBoundsOf(picture, w, h);
}
std::optional<int> autoThreshold(const QImage& scaled, int w, int h, ThresholdMethod method) {
    return rules::autoThresholdOf(scaled, w, h, method);
}

} // namespace convert
