#include "casm/values.h"

#include <array>

#include "base/profile.h"
#include "document/event_text.h"

namespace casm {
namespace {

constexpr std::array<std::string_view, 12> kKeys = {"C", "C#", "D", "D#", "E", "F",
                                                    "F#", "G", "G#", "A", "A#", "B"};
constexpr std::array<std::string_view, 34> kChordTypeNames = {
    "Maj",      "Maj6",     "Maj7",   "Maj7(#11)", "Maj(9)",     "Maj7(9)", "Maj6(9)", "aug",    "min",
    "min6",     "min7",     "min7b5", "min(9)",    "min7(9)",    "min7(11)", "minMaj7", "minMaj7(9)", "dim",
    "dim7",     "7",        "7sus4",  "7b5",       "7(9)",       "7(#11)",  "7(13)",   "7(b9)",  "7(b13)",
    "7(#9)",    "Maj7aug",  "7aug",   "1+8",       "1+5",        "sus4",    "1+2+5"};
constexpr std::array<std::string_view, 6> kNtt = {"Bypass", "Melody", "Chord", "Bass", "M-m Only(M)", "M-m Only(H)"};
constexpr std::array<std::string_view, 5> kRtr = {"Stop", "PitchShift", "PShiftToRoot", "Retriger", "Ret.ToRoot"};
constexpr std::array<std::string_view, 2> kNtrTexts = {"Trans", "Fixed"};

constexpr std::array<std::string_view, 3> kCtb2Ntr = {"Root Trans", "Root Fixed", "Guitar"};
constexpr std::array<std::string_view, 11> kCtb2Ntt = {
    "Bypass",         "Melody",        "Chord",  "Melodic Minor", "Melodic Minor 5th", "Harmonic Minor",
    "Harmonic Minor 5th", "Natural Minor", "Natural Minor 5th", "Dorian", "Dorian 5th"};
constexpr std::array<std::string_view, 3> kCtb2GuitarNtt = {"All-Purpose", "Stroke", "Arpeggio"};
constexpr std::array<std::string_view, 6> kCtb2Rtr = {"Stop",      "Pitch Shift",       "Pitch Shift to Root",
                                                      "Retrigger", "Retrigger to Root", "Note Generator"};
constexpr int kGuitarNtr = 2;

std::optional<std::uint8_t> indexOf(std::span<const std::string_view> names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (base::equalsIgnoreCase(names[i], name)) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::optional<std::uint8_t> ctb2NttFromName(std::string_view name) {
    std::uint8_t bass = 0;
    if (name.size() > kBassSuffix.size() &&
        base::equalsIgnoreCase(name.substr(name.size() - kBassSuffix.size()), kBassSuffix)) {
        bass = kBassBit;
        name.remove_suffix(kBassSuffix.size());
    }
    auto value = indexOf(kCtb2Ntt, name);
    if (!value) value = indexOf(kCtb2GuitarNtt, name);
    if (!value) return std::nullopt;
    return static_cast<std::uint8_t>(*value | bass);
}

}  // namespace

std::span<const std::string_view> keyNames() { return kKeys; }
std::span<const std::string_view> chordTypeNames() { return kChordTypeNames; }
std::span<const std::string_view> nttNames() { return kNtt; }
std::span<const std::string_view> rtrNames() { return kRtr; }
std::span<const std::string_view> ctb2NtrNames() { return kCtb2Ntr; }
std::span<const std::string_view> ctb2NttNames(int ntr) {
    if (ntr == kGuitarNtr) return kCtb2GuitarNtt;
    return kCtb2Ntt;
}
std::span<const std::string_view> ctb2RtrNames() { return kCtb2Rtr; }

std::string_view valueName(std::span<const std::string_view> names, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= names.size()) return "-";
    return names[static_cast<std::size_t>(value)];
}

std::string_view ntrName(int value) { return kNtrTexts[value == 0 ? 0 : 1]; }

std::string ruleText(const Entry& e, Zone zone, Rule rule) {
    const int value = e.rule(zone, rule);
    const bool ctb2 = e.kind() == TableKind::Ctb2;
    switch (rule) {
        case Rule::NTR: return std::string(ctb2 ? valueName(kCtb2Ntr, value) : ntrName(value));
        case Rule::NTT:
            if (!ctb2) return std::string(valueName(kNtt, value));
            return std::string(valueName(ctb2NttNames(e.rule(zone, Rule::NTR)), value & ~kBassBit)) +
                   ((value & kBassBit) != 0 ? std::string(kBassSuffix) : std::string());
        case Rule::HighestKey: return std::string(valueName(kKeys, value));
        case Rule::LowLimit:
        case Rule::HighLimit: return document::noteName(value);
        case Rule::RTR: return std::string(valueName(ctb2 ? std::span<const std::string_view>(kCtb2Rtr) : kRtr, value));
    }
    return {};
}

std::optional<std::uint8_t> ruleValueFromName(TableKind kind, Rule rule, std::string_view name) {
    const bool ctb2 = kind == TableKind::Ctb2;
    switch (rule) {
        case Rule::NTR: return indexOf(ctb2 ? std::span<const std::string_view>(kCtb2Ntr) : kNtrTexts, name);
        case Rule::NTT: return ctb2 ? ctb2NttFromName(name) : indexOf(kNtt, name);
        case Rule::HighestKey: return indexOf(kKeys, name);
        case Rule::RTR:
            if (ctb2) return indexOf(kCtb2Rtr, name);
            // The grid spells the fourth "Retriger", the menus "Retrigger".
            if (base::equalsIgnoreCase(name, "Retrigger")) return std::uint8_t{3};
            return indexOf(kRtr, name);
        case Rule::LowLimit:
        case Rule::HighLimit: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace casm
