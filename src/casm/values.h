#pragma once
// Names of the entry values, for both kinds of entry.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "casm/entry.h"

namespace casm {

std::span<const std::string_view> keyNames();        // "C" to "B": chord root and highest key
std::span<const std::string_view> chordTypeNames();  // the 34 chord types, "Maj" to "1+2+5"
std::span<const std::string_view> nttNames();        // "Bypass" to "M-m Only(H)"
std::span<const std::string_view> rtrNames();        // grid texts "Stop" to "Ret.ToRoot"
// The value names of Ctb2 entries.
std::span<const std::string_view> ctb2NtrNames();        // "Root Trans", "Root Fixed", "Guitar"
std::span<const std::string_view> ctb2NttNames(int ntr);  // "Bypass" to "Dorian 5th"; with NTR 2 (Guitar)
                                                          // "All-Purpose", "Stroke", "Arpeggio"
std::span<const std::string_view> ctb2RtrNames();        // "Stop" to "Note Generator"
inline constexpr std::string_view kBassSuffix = "+Bass";  // after a Ctb2 NTT name when the bass bit is set

// The name of `value` in `names`, or "-" beyond the list.
std::string_view valueName(std::span<const std::string_view> names, int value);
std::string_view ntrName(int value);  // "Trans" for 0, else "Fixed"

// The grid text of a rule of an entry: for NTR, NTT and RTR the name in the
// entry's kind (a Ctb2 NTT by its NTR, followed by "+Bass" when the bass
// bit is set), for the highest key its key name, for the limits a note name.
// A Ctab entry has one rule block, whatever the zone.
std::string ruleText(const Entry& entry, Zone zone, Rule rule);
// The value a name of the kind's list stands for (as ruleText shows it):
// NTR, NTT (either Ctb2 list; "+Bass" sets the bass bit), highest key and
// RTR. Case is ignored. Nothing for another text or for the limits.
std::optional<std::uint8_t> ruleValueFromName(TableKind kind, Rule rule, std::string_view name);

}  // namespace casm
