#pragma once
// A change of the CASM editor's entry list kept as data, so that one walk
// applies it and the reverse walk takes it back: the entries it removes,
// inserts and replaces, and the kept Cntt values before and after. An undo
// keeps only the entries it touched.
//
// `removed` numbers entries in the list before the edit, `inserted` and
// `replaced` in the list after it; each list ascends. Applying: remove,
// insert, replace; taking back runs the same steps in reverse. A replaced
// entry keeps its mark: marks are the user's selection, not content. Each
// step is one pass over the list. Window thread only.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "casm/cntt.h"
#include "casm/entry.h"

namespace casm {

// The CASM section as the editor holds it.
struct CasmList {
    std::vector<Entry> entries;
    std::vector<KeptCntt> kept;  // Cntt values of channels without an entry
};

struct EntryAt {
    std::size_t index = 0;
    Entry entry;
};

struct EntryReplacement {
    std::size_t index = 0;
    Entry before;
    Entry after;
};

struct KeptChange {
    std::vector<KeptCntt> before;
    std::vector<KeptCntt> after;
};

struct EntryEdit {
    std::string name;  // what "&Undo"/"&Redo" name
    std::vector<EntryAt> removed;
    std::vector<EntryAt> inserted;
    std::vector<EntryReplacement> replaced;
    std::optional<KeptChange> kept;

    bool empty() const { return removed.empty() && inserted.empty() && replaced.empty() && !kept; }
};

// Whether two entries read the same apart from the mark and the grid row.
bool sameContent(const Entry& a, const Entry& b);

// Applies or takes back an edit. With `markChanged` every entry it puts in
// place gets its changed flag: after a save, taking an earlier edit back
// gives entries that differ from the saved section. The removed (on apply)
// and inserted (on take back) entries are stored as they stood, marks too.
// Returns whether entries came or went.
bool redo(CasmList& list, EntryEdit& edit, bool markChanged = false);
bool undo(CasmList& list, EntryEdit& edit, bool markChanged = false);

// Builders.

// The entries of `after` that differ from `before` (lists of one length)
// as replacements, and the kept values when they differ.
EntryEdit changesBetween(const CasmList& before, const CasmList& after, std::string name);
// The same after `after` got its changed flags: each entry whose bytes,
// section or Cntt differ from `before` is flagged changed.
EntryEdit changedEntries(const CasmList& before, CasmList after, std::string name);
// Removes the entries at `indices` (any order, duplicates once).
EntryEdit removeEntries(const CasmList& list, std::vector<std::size_t> indices, std::string name);
// Inserts `entries` one after the other, the first at `at` (clamped to the end).
EntryEdit insertEntries(const CasmList& list, std::size_t at, std::vector<Entry> entries, std::string name);
// Replaces the whole list, as reading a file does.
EntryEdit replaceAll(const CasmList& list, CasmList next, std::string name);

}  // namespace casm
