#pragma once
// The Cntt value of an entry: a present flag and a value 0 to 255.
#include <cstdint>
#include <string>
#include <vector>

#include "casm/entry.h"

namespace casm {

// A Cntt value that a segment holds for a channel without an entry in it.
// No entry carries it, so it is kept beside the list, by section, and
// written back into the same sections: the keyboard wrote it, and an edit
// that never touched it must not drop it.
struct KeptCntt {
    std::string section;
    std::uint8_t channel = 0;  // 0 to 15
    std::uint8_t value = 0;
    friend bool operator==(const KeptCntt&, const KeptCntt&) = default;
};

// Sets the pair; only a different pair changes the entry (and marks it
// changed). True when it changed.
bool setCntt(Entry& entry, bool present, std::uint8_t value);
// Removes every Cntt (present flag and value 0); the number of entries changed.
int deleteAllCntt(std::vector<Entry>& entries);

}  // namespace casm
