#pragma once
// The demo style: a small but complete style file (MIDI part with markers,
// CASM section, add part) that the run command opens by default.
#include "base/file_io.h"

namespace document {

base::Bytes demoStyle();

}  // namespace document
