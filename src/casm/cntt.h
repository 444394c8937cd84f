#pragma once
// The Cntt value of an entry: a present flag and a value 0 to 255.
#include <cstdint>
#include <vector>

#include "casm/entry.h"

namespace casm {

// Sets the pair; only a different pair changes the entry (and marks it
// changed). True when it changed.
bool setCntt(Entry& entry, bool present, std::uint8_t value);
// Removes every Cntt (present flag and value 0); the number of entries changed.
int deleteAllCntt(std::vector<Entry>& entries);

}  // namespace casm
