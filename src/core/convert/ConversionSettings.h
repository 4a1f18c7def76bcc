// How a picture is to become cells, as one value: what the import dialog's fields,
// the text banner and the command line's options say.
#pragma once

#include "CellConversion.h"

#include <QSize>

#include <optional>

namespace convert {

// What the picture's pixels are: shades, which the threshold or the gradient make into the
// effect picture; or an effect picture already (the text banner's black ink on white, or the
// effect picture the import dialog shows), taken as it is.
enum class Source { Shades, Effect };

struct ConversionSettings {
    QSize size = {}; // in cells, one a pixel; what lies beyond 100 x 100 is left out
    Mode mode = Mode::TwoColour;
    int threshold = kDefaultThreshold;             // the grey from which a pixel is ink
    std::optional<ThresholdMethod> automatic = {}; // the threshold from the picture's greys instead
    Source source = Source::Shades;
    bool invert = false;
    Fill fill = {};         // what ink cells hold: the brush, or the article's characters
    bool cropToInk = false; // the cells of the ink's bounds alone, as a banner is placed
};

} // namespace convert
