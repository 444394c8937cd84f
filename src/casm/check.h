#pragma once
// The CASM check: entries whose destination channel the keyboard does not
// use for style parts (channels 1 to 8), and sections that hold more than
// one entry for one source channel.
#include <string>
#include <vector>

#include "base/language.h"
#include "casm/entry.h"

namespace casm {

// The warning lines in list order, then those of duplicateChannelWarnings,
// or the one line "No warnings...".
std::vector<std::string> checkCasm(const std::vector<Entry>& entries,
                                   const base::Language& language = base::builtinLanguage());

// One line per section and source channel with more than one entry, at the
// place of its second entry: the keyboard plays only one of them.
std::vector<std::string> duplicateChannelWarnings(const std::vector<Entry>& entries,
                                                  const base::Language& language = base::builtinLanguage());

// The duplicate-channel lines of `after` that `before` did not have: what an
// insertion made.
std::vector<std::string> addedDuplicateWarnings(const std::vector<Entry>& before, const std::vector<Entry>& after,
                                                const base::Language& language = base::builtinLanguage());

}  // namespace casm
