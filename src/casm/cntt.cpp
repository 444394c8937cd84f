#include "casm/cntt.h"

namespace casm {

bool setCntt(Entry& entry, bool present, std::uint8_t value) {
    if (entry.hasCntt == present && entry.cntt == value) return false;
    entry.hasCntt = present;
    entry.cntt = value;
    entry.changed = true;
    return true;
}

int deleteAllCntt(std::vector<Entry>& entries) {
    int changed = 0;
    for (Entry& e : entries)
        if (e.hasCntt && setCntt(e, false, 0)) ++changed;
    return changed;
}

}  // namespace casm
