#pragma once
// A Ctb2 entry with the meaning of a Ctab entry: what CASM creation writes
// for an SFF2 style, starting from the same kind defaults as for SFF1.
#include "casm/entry.h"

namespace casm {

// The Ctb2 NTT byte that means what a Ctab NTT value means: "Bypass",
// "Melody" and "Chord" keep their numbers, "Bass" becomes "Melody" with
// the bass bit, "M-m Only(M)" and "M-m Only(H)" become "Melodic Minor" and
// "Harmonic Minor"; any other value is carried as it is.
std::uint8_t ctb2Ntt(std::uint8_t ctabNtt);

// The shared bytes (0-19) of `ctab`, the middle range 0-127, its rules in
// all three zones and the usual tail 00 00 00 00 80 00 00. NTT becomes
// what ctb2Ntt gives, NTR "Root Trans" for 0 and "Root Fixed" for any other
// value; highest key, limits and RTR mean the same in both kinds.
// Section, flags, row and Cntt are kept.
Entry ctb2FromCtab(const Entry& ctab);

}  // namespace casm
