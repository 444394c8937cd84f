#include "chords/chord_symbol.h"

#include "casm/values.h"
#include "chords/chord_types.h"

namespace chords {
namespace {

constexpr int kNaturals[7] = {9, 11, 0, 2, 4, 5, 7};  // A to G

std::optional<int> letterClass(char c) {
    if (c >= 'A' && c <= 'G') return kNaturals[c - 'A'];
    if (c >= 'a' && c <= 'g') return kNaturals[c - 'a'];
    return std::nullopt;
}

// A note name at the start of `text`: its pitch class, and `text` loses it.
std::optional<int> takeNote(std::string_view& text) {
    if (text.empty()) return std::nullopt;
    auto pitch = letterClass(text[0]);
    if (!pitch) return std::nullopt;
    text.remove_prefix(1);
    for (auto [accidental, shift] : {std::pair<std::string_view, int>{"#", 1}, {"b", -1}, {"♯", 1}, {"♭", -1}})
        if (text.starts_with(accidental)) {
            text.remove_prefix(accidental.size());
            return (*pitch + shift + 12) % 12;
        }
    return pitch;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

std::string_view pitchClassName(int pitchClass) { return casm::keyNames()[static_cast<std::size_t>(pitchClass % 12)]; }

std::string chordName(const Chord& chord) {
    if (chord.none) return "N.C.";
    std::string name(pitchClassName(chord.root));
    name += typeName(chord.type);
    if (chord.bass) name.append("/").append(pitchClassName(*chord.bass));
    return name;
}

std::variant<Chord, std::string> parseChord(std::string_view symbol) {
    if (symbol == "N.C." || symbol == "NC") {
        Chord none;
        none.none = true;
        return none;
    }
    std::string_view rest = symbol;
    const auto root = takeNote(rest);
    if (!root) return "chord " + quoted(symbol) + " does not start with a note A to G";
    Chord chord;
    chord.root = *root;
    // The bass starts at the last "/" that a note letter follows.
    const auto slash = rest.rfind('/');
    std::string_view quality = rest;
    if (slash != std::string_view::npos && slash + 1 < rest.size() && letterClass(rest[slash + 1])) {
        std::string_view bassText = rest.substr(slash + 1);
        const auto bass = takeNote(bassText);
        if (!bass || !bassText.empty()) return "unknown bass note " + quoted(rest.substr(slash + 1));
        quality = rest.substr(0, slash);
        if (*bass != chord.root) chord.bass = bass;
    }
    const auto type = typeOfQuality(quality);
    if (!type) return "unknown chord quality " + quoted(quality);
    chord.type = *type;
    return chord;
}

}  // namespace chords
