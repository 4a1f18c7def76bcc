// The converter's backend for the program that answers the command line: JPEG
// pictures through libjpeg alone, everything else handed on to the full program.
#pragma once

#include "ConverterCli.h"

namespace cli {

Backend lightBackend();

} // namespace cli
