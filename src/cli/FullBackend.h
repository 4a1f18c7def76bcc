// The converter's backend for the editor's program: every picture format the
// import dialog reads, and text drawn in the installed fonts.
#pragma once

#include "ConverterCli.h"

namespace cli {

Backend fullBackend();

} // namespace cli
