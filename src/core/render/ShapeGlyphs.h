// The glyphs shape matching chooses among, drawn once as the canvas draws them.
#pragma once

#include "core/convert/ShapeMatch.h"

// The canvas font's block and line characters that GBK holds, printable ASCII and the blank, as
// blocks of their cells at 100 %. Made on first use (it needs the fonts) and kept.
const convert::GlyphMasks& canvasGlyphMasks();
