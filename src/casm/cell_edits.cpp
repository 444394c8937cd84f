#include "casm/cell_edits.h"

#include <functional>

#include "casm/assign.h"
#include "casm/cntt.h"

namespace casm {
namespace {

// Applies `change` to every target; the entries it changed get their flag.
std::vector<std::size_t> editTargetsWith(std::vector<Entry>& entries, std::size_t clicked,
                                         const std::function<bool(Entry&)>& change) {
    std::vector<std::size_t> changed;
    for (std::size_t i : editTargets(entries, clicked, false)) {
        if (!change(entries[i])) continue;
        entries[i].changed = true;
        changed.push_back(i);
    }
    return changed;
}

}  // namespace

std::vector<std::size_t> editSection(std::vector<Entry>& entries, std::size_t clicked, std::string_view section) {
    const std::string name(section.substr(0, kMaxSectionName));
    return editTargetsWith(entries, clicked, [&](Entry& e) {
        if (e.section == name) return false;
        e.section = name;
        return true;
    });
}

std::vector<std::size_t> editName(std::vector<Entry>& entries, std::size_t clicked, std::string_view name) {
    const std::string fitted = fitName(name);
    return editTargetsWith(entries, clicked, [&](Entry& e) {
        if (e.name() == fitted) return false;
        e.setName(fitted);
        return true;
    });
}

std::vector<std::size_t> editNoteMask(std::vector<Entry>& entries, std::size_t clicked, const NoteMask& mask) {
    if (clicked >= entries.size() || noteMaskOf(entries[clicked]) == mask) return {};
    return editTargetsWith(entries, clicked, [&](Entry& e) { return storeNoteMask(e, mask); });
}

std::vector<std::size_t> editChordMask(std::vector<Entry>& entries, std::size_t clicked, const ChordMask& mask) {
    if (clicked >= entries.size() || chordMaskOf(entries[clicked]) == mask) return {};
    return editTargetsWith(entries, clicked, [&](Entry& e) { return storeChordMask(e, mask); });
}

std::vector<std::size_t> editAutoStart(std::vector<Entry>& entries, std::size_t clicked, bool on) {
    return editTargetsWith(entries, clicked, [&](Entry& e) {
        if (e.autoStart() == on) return false;
        e.setAutoStart(on);
        return true;
    });
}

std::vector<std::size_t> editCntt(std::vector<Entry>& entries, std::size_t clicked, bool present, std::uint8_t value) {
    if (clicked >= entries.size()) return {};
    const Entry& c = entries[clicked];
    if (c.hasCntt == present && c.cntt == value) return {};
    return editTargetsWith(entries, clicked, [&](Entry& e) { return setCntt(e, present, value); });
}

}  // namespace casm
