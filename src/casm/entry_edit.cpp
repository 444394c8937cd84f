#include "casm/entry_edit.h"

#include <algorithm>

namespace casm {
namespace {

// One pass: the entries not at `indices` (ascending) stay, the others are
// stored into `taken` as they stood.
void removeAt(std::vector<Entry>& entries, std::vector<EntryAt>& taken) {
    std::vector<Entry> kept;
    kept.reserve(entries.size() - std::min(entries.size(), taken.size()));
    std::size_t next = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (next < taken.size() && taken[next].index == i)
            taken[next++].entry = std::move(entries[i]);
        else
            kept.push_back(std::move(entries[i]));
    }
    entries = std::move(kept);
}

// One pass: `placed` (ascending indices of the result) go in between the others.
void insertAt(std::vector<Entry>& entries, const std::vector<EntryAt>& placed, bool markChanged) {
    std::vector<Entry> out;
    out.reserve(entries.size() + placed.size());
    std::size_t next = 0;
    std::size_t from = 0;
    while (out.size() < entries.size() + placed.size()) {
        if (next < placed.size() && placed[next].index == out.size()) {
            out.push_back(placed[next++].entry);
            if (markChanged) out.back().changed = true;
        } else if (from < entries.size()) {
            out.push_back(std::move(entries[from++]));
        } else {
            // An index past the end goes at the end.
            out.push_back(placed[next++].entry);
            if (markChanged) out.back().changed = true;
        }
    }
    entries = std::move(out);
}

void place(Entry& target, const Entry& content, bool markChanged) {
    const bool marked = target.marked;
    const std::uint32_t row = target.row;
    target = content;
    target.marked = marked;
    target.row = row;
    if (markChanged) target.changed = true;
}

}  // namespace

bool sameContent(const Entry& a, const Entry& b) {
    return a.ctab == b.ctab && a.length == b.length && a.section == b.section && a.changed == b.changed &&
           a.hasCntt == b.hasCntt && a.cntt == b.cntt;
}

bool redo(CasmList& list, EntryEdit& edit, bool markChanged) {
    removeAt(list.entries, edit.removed);
    insertAt(list.entries, edit.inserted, markChanged);
    for (const auto& r : edit.replaced)
        if (r.index < list.entries.size()) place(list.entries[r.index], r.after, markChanged);
    if (edit.kept) list.kept = edit.kept->after;
    return !edit.removed.empty() || !edit.inserted.empty();
}

bool undo(CasmList& list, EntryEdit& edit, bool markChanged) {
    if (edit.kept) list.kept = edit.kept->before;
    for (auto it = edit.replaced.rbegin(); it != edit.replaced.rend(); ++it)
        if (it->index < list.entries.size()) place(list.entries[it->index], it->before, markChanged);
    removeAt(list.entries, edit.inserted);
    insertAt(list.entries, edit.removed, markChanged);
    return !edit.removed.empty() || !edit.inserted.empty();
}

EntryEdit changesBetween(const CasmList& before, const CasmList& after, std::string name) {
    EntryEdit edit;
    edit.name = std::move(name);
    const std::size_t n = std::min(before.entries.size(), after.entries.size());
    for (std::size_t i = 0; i < n; ++i)
        if (!sameContent(before.entries[i], after.entries[i]))
            edit.replaced.push_back({i, before.entries[i], after.entries[i]});
    if (before.kept != after.kept) edit.kept = KeptChange{before.kept, after.kept};
    return edit;
}

EntryEdit changedEntries(const CasmList& before, CasmList after, std::string name) {
    const std::size_t n = std::min(before.entries.size(), after.entries.size());
    for (std::size_t i = 0; i < n; ++i) {
        const Entry& b = before.entries[i];
        Entry& a = after.entries[i];
        if (a.ctab != b.ctab || a.length != b.length || a.section != b.section || a.hasCntt != b.hasCntt ||
            a.cntt != b.cntt)
            a.changed = true;
    }
    return changesBetween(before, after, std::move(name));
}

EntryEdit removeEntries(const CasmList& list, std::vector<std::size_t> indices, std::string name) {
    EntryEdit edit;
    edit.name = std::move(name);
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (std::size_t i : indices)
        if (i < list.entries.size()) edit.removed.push_back({i, list.entries[i]});
    return edit;
}

EntryEdit insertEntries(const CasmList& list, std::size_t at, std::vector<Entry> entries, std::string name) {
    EntryEdit edit;
    edit.name = std::move(name);
    at = std::min(at, list.entries.size());
    for (auto& e : entries) edit.inserted.push_back({at++, std::move(e)});
    return edit;
}

EntryEdit replaceAll(const CasmList& list, CasmList next, std::string name) {
    EntryEdit edit;
    edit.name = std::move(name);
    for (std::size_t i = 0; i < list.entries.size(); ++i) edit.removed.push_back({i, list.entries[i]});
    for (std::size_t i = 0; i < next.entries.size(); ++i) edit.inserted.push_back({i, std::move(next.entries[i])});
    if (list.kept != next.kept) edit.kept = KeptChange{list.kept, std::move(next.kept)};
    return edit;
}

}  // namespace casm
