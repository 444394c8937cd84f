#include "chords/chord_types.h"

#include <array>
#include <unordered_map>

#include "casm/chord_shapes.h"
#include "casm/values.h"

namespace chords {
namespace {

using Aliases = std::vector<std::string_view>;

// Indexed by CASM type number.
const std::array<Aliases, kTypeCount>& aliasTable() {
    static const std::array<Aliases, kTypeCount> table = {{
        {"", "M", "maj", "MAJ", "major"},
        {"6", "M6", "maj6", "add6"},
        {"M7", "maj7", "MAJ7", "ma7", "j7", "7M", "^", "^7", "Δ", "Δ7"},
        {"M7#11", "maj7#11", "Maj7#11", "M7(#11)", "maj7(#11)", "Δ#11", "M7+11"},
        {"add9", "add2", "(9)", "M(9)", "maj(9)", "Madd9"},
        {"M9", "maj9", "Maj9", "M7(9)", "maj7(9)", "Δ9", "M79"},
        {"69", "6/9", "6(9)", "M69", "M6(9)", "maj6(9)", "6add9"},
        {"+", "#5", "(#5)", "+5"},
        {"m", "mi", "-", "minor"},
        {"m6", "mi6", "-6"},
        {"m7", "mi7", "-7"},
        {"m7b5", "m7(b5)", "mi7b5", "-7b5", "m7-5", "ø", "ø7", "h", "h7"},
        {"m(9)", "madd9", "madd2", "-add9", "m(add9)"},
        {"m9", "min9", "mi9", "-9", "m7(9)"},
        {"m11", "min11", "mi11", "-11", "m7(11)", "m7add11"},
        {"mM7", "mmaj7", "mMaj7", "m(maj7)", "m(M7)", "-M7", "-maj7", "mΔ", "mΔ7", "m^7"},
        {"mM9", "mmaj9", "mMaj9", "m(maj9)", "mM7(9)", "mMaj7(9)", "-maj9"},
        {"o", "°", "mb5", "m(b5)"},
        {"o7", "°7"},
        {"dom7", "7th"},
        {"7sus", "sus7", "7(sus4)", "7sus(4)"},
        {"7(b5)", "7-5"},
        {"9", "79", "dom9"},
        {"7#11", "7+11", "9#11"},
        {"13", "713", "7add13", "7add6"},
        {"7b9", "7-9"},
        {"7b13"},
        {"7#9", "7+9"},
        {"M7#5", "maj7#5", "Maj7#5", "M7(#5)", "maj7(#5)", "M7aug", "maj7aug", "M7+5", "+M7", "Δ#5"},
        {"7#5", "7(#5)", "+7", "7+", "aug7", "7+5"},
        {"(1+8)", "8", "oct"},
        {"(1+5)", "5", "no3"},
        {"sus", "(sus4)", "4"},
        {"(1+2+5)", "sus2", "2"},
    }};
    return table;
}

const std::unordered_map<std::string_view, int>& qualityIndex() {
    static const auto index = [] {
        std::unordered_map<std::string_view, int> map;
        for (int t = 0; t < kTypeCount; ++t) {
            map.emplace(typeName(t), t);
            for (auto alias : aliasTable()[static_cast<std::size_t>(t)]) map.emplace(alias, t);
        }
        return map;
    }();
    return index;
}

bool inRange(int type) { return type >= 0 && type < kTypeCount; }

}  // namespace

std::string_view typeName(int type) { return inRange(type) ? casm::chordTypeNames()[static_cast<std::size_t>(type)] : ""; }

std::span<const std::string_view> typeAliases(int type) {
    if (!inRange(type)) return {};
    return aliasTable()[static_cast<std::size_t>(type)];
}

std::optional<int> typeOfQuality(std::string_view quality) {
    const auto& index = qualityIndex();
    const auto it = index.find(quality);
    if (it == index.end()) return std::nullopt;
    return it->second;
}

int chordToneSet(int type) {
    int set = 0;
    for (int interval : casm::chordIntervals(type)) set |= 1 << (interval % 12);
    return set;
}

bool isMinorFamily(int type) { return type >= 8 && type <= 18; }
bool isAugmented(int type) { return type == 7 || type == 28 || type == 29; }
bool isDiminished(int type) { return type == 11 || type == 17 || type == 18; }

int sourceType(int byte) { return inRange(byte) ? byte : kMaj7; }

}  // namespace chords
