#include "casm/ctb2_from_ctab.h"

#include <algorithm>

namespace casm {
namespace {

constexpr std::uint8_t kMelody = 1;
constexpr std::uint8_t kMelodicMinor = 3;
constexpr std::uint8_t kHarmonicMinor = 5;
constexpr int kTailMarkAt = 44;  // the byte of the tail that styles usually carry as 0x80

}  // namespace

std::uint8_t ctb2Ntt(std::uint8_t ctabNtt) {
    switch (ctabNtt) {
        case 3: return kMelody | kBassBit;
        case 4: return kMelodicMinor;
        case 5: return kHarmonicMinor;
        default: return ctabNtt;
    }
}

Entry ctb2FromCtab(const Entry& ctab) {
    Entry e = ctab;
    e.ctab.fill(0);
    e.length = kCtb2Length;
    std::copy_n(ctab.ctab.begin(), MiddleLow, e.ctab.begin());
    e[MiddleLow] = 0;
    e[MiddleHigh] = 127;
    for (int z = 0; z < kZoneCount; ++z) {
        const auto zone = static_cast<Zone>(z);
        for (int r = 0; r < kRuleCount; ++r) {
            const auto rule = static_cast<Rule>(r);
            const std::uint8_t value = ctab.rule(zone, rule);
            if (rule == Rule::NTT)
                e.setRule(zone, rule, ctb2Ntt(value));
            else if (rule == Rule::NTR)  // a Ctab entry knows only transposed (0) and fixed (any other)
                e.setRule(zone, rule, value == 0 ? 0 : 1);
            else
                e.setRule(zone, rule, value);
        }
    }
    e[kTailMarkAt] = 0x80;
    return e;
}

}  // namespace casm
