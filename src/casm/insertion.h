#pragma once
// Entries that come into an entry list from outside (a paste, an entry
// file) keep every section to one kind: a style's sections are SFF1 or
// SFF2, and a keyboard reads a section of one kind only.
#include <optional>
#include <span>
#include <vector>

#include "base/language.h"
#include "base/message.h"
#include "casm/entry.h"

namespace casm {

// Why `incoming` may not go into `list`, or nothing when it may: refused
// when the list holds entries of the other kind only, or when an incoming
// entry's section holds entries of the other kind (in the list or among
// the incoming entries before it). An empty list takes either kind.
std::optional<base::Message> kindRefusal(const std::vector<Entry>& list, std::span<const Entry> incoming,
                                        const base::Language& language = base::builtinLanguage());

}  // namespace casm
