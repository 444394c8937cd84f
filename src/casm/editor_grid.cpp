#include "casm/editor_grid.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace casm {
namespace {

constexpr std::array<std::string_view, 18> kSectionMenu = {
    "Main A", "Fill In AA", "Fill In AB", "Intro A", "Ending A", "Break AA", "Main B",  "Fill In BA", "Fill In BB",
    "Intro B", "Ending B", "Break BB",  "Main C",  "Fill In CC", "Intro C", "Ending C", "Main D", "Fill In DD"};

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kAqua = 0x00FFFF, kYellow = 0xFFFF00,
                        kLime = 0x00FF00, kRed = 0xFF0000, kFixed = 0xE9E9E9;

bool shares(const Entry& e, const Entry& current, MarkBy by) {
    switch (by) {
        case MarkBy::Section: return e.section == current.section;
        case MarkBy::Track: return e[Track] == current[Track];
        case MarkBy::Channel: return e[MidiChan] == current[MidiChan];
        case MarkBy::All: return true;
    }
    return false;
}

}  // namespace

std::vector<std::size_t> gridOrder(const std::vector<Entry>& entries, SortMode mode) {
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (mode == SortMode::Section) return order;
    const int field = mode == SortMode::Channel ? MidiChan : Track;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return entries[a][field] % 16 < entries[b][field] % 16; });
    return order;
}

CellColours fixedCellColours(bool currentRow) { return currentRow ? CellColours{kBlack, kWhite} : CellColours{kFixed, kBlack}; }

CellColours entryCellColours(bool marked, bool changed, bool currentRow) {
    if (!marked && !changed) return {currentRow ? kAqua : kWhite, kBlack};
    if (!marked) return {currentRow ? kLime : kYellow, kRed};
    if (!changed) return {kBlack, currentRow ? kAqua : kWhite};
    return {kRed, currentRow ? kLime : kYellow};
}

std::vector<int> columnWidths(std::span<const int> shares, int clientWidth, int margin, std::span<const int> least) {
    const int room = std::max(clientWidth - margin, 0);
    std::vector<int> widths;
    widths.reserve(shares.size());
    long long needed = 0;
    for (std::size_t c = 0; c < shares.size(); ++c) needed += c < least.size() ? std::max(least[c], 0) : 0;
    if (least.empty() || needed > room) {
        for (int share : shares) widths.push_back(room * share / 100);
        return widths;
    }
    const long long spare = room - needed;
    for (std::size_t c = 0; c < shares.size(); ++c)
        widths.push_back(static_cast<int>((c < least.size() ? std::max(least[c], 0) : 0) + spare * shares[c] / 100));
    return widths;
}

int setMarks(std::vector<Entry>& entries, const Entry& current, MarkBy by, bool on) {
    const Entry picked = current;  // `current` may be one of the entries changed here
    int count = 0;
    for (Entry& e : entries) {
        if (!shares(e, picked, by) || e.marked == on) continue;
        e.marked = on;
        ++count;
    }
    return count;
}

int markSections(std::vector<Entry>& entries, const std::vector<std::string>& sections) {
    int count = 0;
    for (Entry& e : entries) {
        if (e.marked || std::find(sections.begin(), sections.end(), e.section) == sections.end()) continue;
        e.marked = true;
        ++count;
    }
    return count;
}

std::size_t markedCount(const std::vector<Entry>& entries) {
    return static_cast<std::size_t>(std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.marked; }));
}

std::vector<std::size_t> markedIndices(const std::vector<Entry>& entries) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].marked) out.push_back(i);
    return out;
}

std::vector<std::string> sectionNames(const std::vector<Entry>& entries) {
    std::vector<std::string> names;
    for (const Entry& e : entries)
        if (std::find(names.begin(), names.end(), e.section) == names.end()) names.push_back(e.section);
    return names;
}

std::span<const std::string_view> sectionMenuNames() { return kSectionMenu; }

std::string fitSectionName(std::string_view name) { return std::string(name.substr(0, kMaxSectionName)); }

}  // namespace casm
