#pragma once
// Descriptions of system-exclusive messages from "XGSystem.ini": patterns of
// whole messages in [SYSTEM], XG parameter addresses in [XGMEMORY].
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/profile.h"

namespace names {

// One [SYSTEM] entry: "LL b1 b2 ... description", where a pattern byte
// written XX or xx matches any byte.
struct SystemEntry {
    std::vector<std::uint8_t> bytes;  // the pattern as written (wildcards read as 00)
    std::vector<bool> wildcard;       // per pattern byte
    bool complete = false;            // the value holds all the bytes its length promises
    std::string description;

    bool matches(std::span<const std::uint8_t> data) const;
};

// One [XGMEMORY] entry: "hh mm ll xx description"; mm written XX matches any part.
struct MemoryEntry {
    std::uint8_t high = 0;
    std::uint8_t mid = 0;
    bool anyMid = false;
    std::uint8_t low = 0;
    std::string description;
};

class SysexDescriptions {
public:
    static constexpr std::size_t kMaxSystemEntries = 1024;
    static constexpr int kMaxMemoryKey = 255;
    static constexpr std::size_t kMaxDescription = 255;
    static constexpr std::size_t kMaxCompared = 256;

    SysexDescriptions() = default;  // no entries: every description empty
    explicit SysexDescriptions(const base::Profile& profile);
    // A missing file gives no entries.
    static SysexDescriptions fromFile(const std::filesystem::path& file);

    // The description of an F0 event's data bytes (without the F0): the first
    // matching [SYSTEM] entry; else, for an XG parameter change, the first
    // [XGMEMORY] entry of its address; else empty.
    std::string describe(std::span<const std::uint8_t> data) const;

    // [SYSTEM] entries from key "00" up to the first missing or empty key.
    const std::vector<SystemEntry>& systemEntries() const { return system_; }
    // Entry n's description, empty beyond the entries.
    std::string systemDescription(std::size_t n) const;
    const std::vector<MemoryEntry>& memoryEntries() const { return memory_; }

private:
    std::vector<SystemEntry> system_;
    std::vector<MemoryEntry> memory_;
};

// Parses one [SYSTEM] or [XGMEMORY] value (false for a memory value of fewer than four bytes).
SystemEntry parseSystemEntry(std::string_view value);
bool parseMemoryEntry(std::string_view value, MemoryEntry& entry);

// Keys of the numbered name files: "%02d" ("00", "07", "123").
std::string twoDigitKey(int n);

}  // namespace names
