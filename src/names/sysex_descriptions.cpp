#include "names/sysex_descriptions.h"

#include <cstdio>
#include <unordered_map>

#include "base/hex_text.h"

namespace names {
namespace {

std::string limitedDescription(std::string_view value, std::size_t start) {
    if (value.size() <= start) return {};
    return std::string(value.substr(start, SysexDescriptions::kMaxDescription));
}

// The values of a section by key. The keys looked up are numbers, which
// have no case, so the first spelling of each key is its index.
std::unordered_map<std::string, std::string> sectionIndex(const base::Profile& profile, std::string_view section) {
    std::unordered_map<std::string, std::string> index;
    for (auto& [key, value] : profile.entries(section)) index.emplace(std::move(key), std::move(value));
    return index;
}

bool isXgParameterChange(std::span<const std::uint8_t> data) {
    return data.size() >= 3 && data[0] == 0x43 && (data[1] >> 4) == 1 && data[2] == 0x4C;
}

}  // namespace

std::string twoDigitKey(int n) {
    char key[16];
    std::snprintf(key, sizeof key, "%02d", n);
    return key;
}

SystemEntry parseSystemEntry(std::string_view value) {
    SystemEntry entry;
    const int length = base::hexByteAt(value, 0);
    if (length < 0) return entry;
    const auto count = static_cast<std::size_t>(length);
    for (std::size_t i = 1; i <= count; ++i) {
        const int byte = base::hexByteAt(value, i);
        if (byte < 0) return entry;
        const std::string_view written = value.substr(3 * i, 2);
        entry.bytes.push_back(static_cast<std::uint8_t>(byte));
        entry.wildcard.push_back(written == "XX" || written == "xx");
    }
    entry.complete = true;
    entry.description = limitedDescription(value, 3 + 3 * count);
    return entry;
}

bool parseMemoryEntry(std::string_view value, MemoryEntry& entry) {
    if (base::hexByteCount(value) < 4) return false;
    entry.high = static_cast<std::uint8_t>(base::hexByteAt(value, 0));
    entry.mid = static_cast<std::uint8_t>(base::hexByteAt(value, 1));
    entry.anyMid = value.substr(3, 2) == "XX";
    entry.low = static_cast<std::uint8_t>(base::hexByteAt(value, 2));
    entry.description = limitedDescription(value, 12);
    return true;
}

bool SystemEntry::matches(std::span<const std::uint8_t> data) const {
    if (!complete || bytes.size() > data.size()) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!wildcard[i] && bytes[i] != data[i]) return false;
    return true;
}

SysexDescriptions::SysexDescriptions(const base::Profile& profile) {
    // Each section is indexed once; the numbered keys are then looked up in
    // the index, so a file of any length is read in one pass.
    const auto system = sectionIndex(profile, "SYSTEM");
    for (std::size_t n = 0; n < kMaxSystemEntries; ++n) {
        const auto value = system.find(twoDigitKey(static_cast<int>(n)));
        if (value == system.end() || value->second.empty()) break;
        system_.push_back(parseSystemEntry(value->second));
    }
    const auto memory = sectionIndex(profile, "XGMEMORY");
    for (int n = 0; n <= kMaxMemoryKey; ++n) {
        const auto value = memory.find(twoDigitKey(n));
        MemoryEntry entry;
        if (value != memory.end() && parseMemoryEntry(value->second, entry)) memory_.push_back(std::move(entry));
    }
}

SysexDescriptions SysexDescriptions::fromFile(const std::filesystem::path& file) {
    return SysexDescriptions(base::Profile(file));
}

std::string SysexDescriptions::describe(std::span<const std::uint8_t> data) const {
    data = data.first(std::min(data.size(), kMaxCompared));
    for (const SystemEntry& entry : system_)
        if (entry.matches(data)) return entry.description;
    if (!isXgParameterChange(data) || data.size() < 6) return {};
    for (const MemoryEntry& entry : memory_)
        if (entry.high == data[3] && (entry.anyMid || entry.mid == data[4]) && entry.low == data[5])
            return entry.description;
    return {};
}

std::string SysexDescriptions::systemDescription(std::size_t n) const {
    return n < system_.size() ? system_[n].description : std::string();
}

}  // namespace names
