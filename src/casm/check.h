#pragma once
// The CASM check: entries whose destination channel the keyboard does not
// use for style parts (channels 1 to 8).
#include <string>
#include <vector>

#include "base/language.h"
#include "casm/entry.h"

namespace casm {

// The warning lines in list order, or the one line "No warnings...".
std::vector<std::string> checkCasm(const std::vector<Entry>& entries,
                                   const base::Language& language = base::builtinLanguage());

}  // namespace casm
