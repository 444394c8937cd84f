#include "casm/values.h"

#include "casm/masks.h"
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

struct Header {
    int id;
    std::string_view text;
};
constexpr std::array<Header, kGridColumns> kHeaders = {{{67, "N"},
                                                        {154, "Section"},
                                                        {155, "Tr"},
                                                        {156, "Name"},
                                                        {157, "Ch"},
                                                        {158, "C.R."},
                                                        {159, "C.T."},
                                                        {160, "NTR"},
                                                        {161, "NTT"},
                                                        {162, "H.K."},
                                                        {163, "L.L."},
                                                        {164, "H.L."},
                                                        {165, "RTR"},
                                                        {166, "NMute"},
                                                        {167, "CMute"},
                                                        {168, "AStart"},
                                                        {373, "Cntt"},
                                                        {383, "ReadOnly"}}};

}  // namespace

std::span<const std::string_view> keyNames() { return kKeys; }
std::span<const std::string_view> chordTypeNames() { return kChordTypeNames; }
std::span<const std::string_view> nttNames() { return kNtt; }
std::span<const std::string_view> rtrNames() { return kRtr; }

std::string_view valueName(std::span<const std::string_view> names, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= names.size()) return "-";
    return names[static_cast<std::size_t>(value)];
}

std::string_view ntrName(int value) { return value == 0 ? "Trans" : "Fixed"; }

GridCells gridHeaders(const app::Language& language) {
    GridCells cells;
    for (std::size_t c = 0; c < cells.size(); ++c) cells[c] = language.text(kHeaders[c].id, kHeaders[c].text);
    return cells;
}

GridCells gridCells(const Entry& e, std::uint32_t row, const app::Language& language) {
    const std::string none = language.text(170, "None");
    const std::string sel = language.text(171, "SEL");
    const std::string yes = language.text(172, "Yes");
    GridCells c;
    c[0] = std::to_string(row) + (e.length != 27 ? "*" : "");
    c[1] = e.section;
    c[2] = std::to_string(e[Track] + 1);
    c[3] = e.name();
    c[4] = std::to_string(e[MidiChan] + 1);
    c[5] = valueName(kKeys, e[ChordRoot]);
    c[6] = valueName(kChordTypeNames, e[ChordType]);
    c[7] = ntrName(e[NTR]);
    c[8] = valueName(kNtt, e[NTT]);
    c[9] = valueName(kKeys, e[HighestKey]);
    c[10] = document::noteName(e[LowLimit]);
    c[11] = document::noteName(e[HighLimit]);
    c[12] = valueName(kRtr, e[RTR]);
    c[13] = isFull(noteMaskOf(e)) ? none : sel;
    c[14] = isFull(chordMaskOf(e)) ? none : sel;
    c[15] = e.autoStart() ? yes : "";
    c[16] = e.hasCntt ? std::to_string(e.cntt) : "";
    c[17] = e[ReadOnly] != 0 ? yes : "";
    return c;
}

}  // namespace casm
