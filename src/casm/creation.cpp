#include "casm/creation.h"

#include <algorithm>

#include "casm/ctb2_from_ctab.h"
#include "casm/reader.h"
#include "casm/writer.h"
#include "document/event_cells.h"
#include "names/gm_tables.h"

namespace casm {
namespace {

constexpr std::array<std::string_view, 7> kKindNames = {"Unknown", "Melody", "Drums", "Bass",
                                                        "Chord",   "Pad",    "Phrase"};
constexpr std::array<std::string_view, 5> kSectionPrefixes = {"Main", "Fill In", "Intro", "Ending", "Break"};
constexpr std::array<std::string_view, 16> kGmGroups = {
    "PIANO", "CHROM PERCUSSION", "ORGAN", "GUITAR", "BASS", "STRINGS", "ENSEMBLE", "BRASS",
    "REED",  "PIPE",             "SYNTH LEAD", "SYNTH PAD", "SYNTH EFFECTS", "ETHNIC", "PERCUSSIVE", "SOUND EFFECTS"};
constexpr std::array<Kind, 16> kGroupKinds = {Kind::Melody, Kind::Phrase, Kind::Pad,    Kind::Chord,
                                              Kind::Bass,   Kind::Pad,    Kind::Phrase, Kind::Phrase,
                                              Kind::Phrase, Kind::Phrase, Kind::Melody, Kind::Pad,
                                              Kind::Pad,    Kind::Phrase, Kind::Phrase, Kind::Phrase};
// Proposed kinds of channels 1 to 16 that play notes without a program change.
constexpr std::array<Kind, 16> kChannelKinds = {
    Kind::Melody,  Kind::Unknown, Kind::Unknown, Kind::Unknown, Kind::Unknown, Kind::Unknown,
    Kind::Unknown, Kind::Unknown, Kind::Drums,   Kind::Drums,   Kind::Bass,    Kind::Chord,
    Kind::Chord,   Kind::Pad,     Kind::Phrase,  Kind::Phrase};

struct KindDefaults {
    std::string_view name;
    std::string_view iniSection;
};
constexpr std::array<KindDefaults, 7> kKindDefaults = {{{"Unkn", "Unkn"},
                                                        {"Melody", "MELODY"},
                                                        {"Rhytm", "DRUMS"},
                                                        {"Bass", "BASS"},
                                                        {"Chord", "CHORD"},
                                                        {"Pad", "PAD"},
                                                        {"Phrase", "PHRASE"}}};

bool namesSection(std::string_view text) {
    return std::any_of(kSectionPrefixes.begin(), kSectionPrefixes.end(),
                       [&](std::string_view prefix) { return text.starts_with(prefix); });
}

base::Message cannotCreate(const base::Language& language, int textId, std::string_view text) {
    return {language.text(105, "Unable to create the CASM..."),
            textId != 0 ? language.text(textId, text) : std::string(text), base::Icon::Error, 105, textId};
}

}  // namespace

std::span<const std::string_view> kindNames() { return kKindNames; }

std::string_view kindName(Kind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

Kind kindFromName(std::string_view name) {
    auto it = std::find(kKindNames.begin(), kKindNames.end(), name);
    return it == kKindNames.end() ? Kind::Unknown : static_cast<Kind>(it - kKindNames.begin());
}

Survey surveyChannels(const document::EventList& events) {
    Survey survey{};
    std::array<std::array<std::uint32_t, 256>, 16> perNote{};
    for (int r = 1; r <= events.eventCount(); ++r) {
        const int status = events.status(r);
        if (status < 0x80 || status > 0xEF) continue;
        auto& ch = survey[static_cast<std::size_t>(status & 0x0F)];
        const auto data = events.dataBytes(r);
        const int first = data.empty() ? -1 : data[0];
        switch (status & 0xF0) {
            case 0x90:
                ++ch.notes;
                if (first >= 0) ++perNote[static_cast<std::size_t>(status & 0x0F)][static_cast<std::size_t>(first)];
                break;
            case 0xB0: {
                const int value = data.size() < 2 ? -1 : data[1];
                if (first == 0 && value >= 0) ch.bankMsb = static_cast<std::uint8_t>(value);
                if (first == 32 && value >= 0) ch.bankLsb = static_cast<std::uint8_t>(value);
                break;
            }
            case 0xC0:
                if (first >= 0) ch.program = static_cast<std::uint8_t>(first);
                break;
            default: break;
        }
    }
    for (std::size_t c = 0; c < survey.size(); ++c) {
        auto& ch = survey[c];
        ch.used = ch.notes > 0;
        std::uint32_t distinct = 0;
        for (auto count : perNote[c]) {
            distinct += count > 0 ? 1 : 0;
            ch.maxRepeat = std::max(ch.maxRepeat, count);
        }
        if (distinct > 0) ch.repeat = std::min<std::uint32_t>(ch.notes / distinct, 255);
    }
    return survey;
}

std::string sectionNamesFromMarkers(const document::EventList& events) {
    std::string sdec;
    std::vector<std::string_view> taken;
    for (int r = 1; r <= events.eventCount(); ++r) {
        if (!events.isMarker(r)) continue;
        const auto text = document::textData(events, r);
        if (!namesSection(text) || std::find(taken.begin(), taken.end(), text) != taken.end()) continue;
        taken.push_back(text);
        if (!sdec.empty()) sdec += ',';
        sdec += text;
    }
    return sdec;
}

TableKind tableKindOfMarkers(const document::EventList& events) {
    for (int r = 1; r <= events.eventCount(); ++r)
        if (events.isMarker(r)) return document::textData(events, r) == "SFF2" ? TableKind::Ctb2 : TableKind::Ctab;
    return TableKind::Ctab;
}

std::string_view drumKitName(int program) {
    switch (program) {
        case 0: return "Std.Kit1";
        case 1: return "Std.Kit2";
        case 4: return "Hit Kit";
        case 8: return "Room Kit";
        case 16: return "Rock Kit";
        case 24: return "Electro Kit";
        case 25: return "Analog Kit";
        case 27: return "Dance Kit";
        case 32: return "Jazz Kit";
        case 40: return "Brush Kit";
        case 48: return "Classic Kit";
        default: return "";
    }
}

std::string_view gmGroupName(int program) { return kGmGroups[static_cast<std::size_t>((program & 127) / 8)]; }

CreationRow creationRow(const ChannelSurvey& s, int channel, bool onlyWithNotes, const PatchNameLookup& patchName) {
    CreationRow row;
    if (onlyWithNotes && s.notes == 0) return row;
    row.filled = true;
    const bool hasProgram = s.program < 128;
    if (hasProgram || s.notes > 0) {
        row.notes = std::to_string(s.notes);
        row.repeat = std::to_string(s.repeat);
        row.maxRepeat = std::to_string(s.maxRepeat);
    }
    if (hasProgram) {
        const int bank = s.bankMsb * 128 + s.bankLsb;
        row.bank = std::to_string(bank);
        if (s.bankMsb == 127) {
            row.instrument = drumKitName(s.program);
            row.group = "DRUM";
            row.kind = Kind::Drums;
        } else {
            row.instrument = patchName ? patchName(bank, s.program) : std::string(names::gmProgramName(s.program));
            row.group = gmGroupName(s.program);
            row.kind = channel == 0 ? Kind::Melody : kGroupKinds[s.program / 8u];
        }
    } else if (s.notes > 0) {
        row.kind = kChannelKinds[static_cast<std::size_t>(channel & 15)];
    }
    if (hasProgram || s.notes > 0) row.assign = kindName(row.kind);
    return row;
}

Kinds proposedKinds(const Survey& survey, bool onlyWithNotes) {
    Kinds kinds{};
    for (std::size_t c = 0; c < survey.size(); ++c)
        kinds[c] = creationRow(survey[c], static_cast<int>(c), onlyWithNotes, [](int, int) { return std::string(); })
                       .kind;
    return kinds;
}

Entry kindEntry(Kind kind, int channel, const base::Profile& casmIni) {
    Entry e = newEntry();
    e[Track] = static_cast<std::uint8_t>(channel);
    e[MidiChan] = static_cast<std::uint8_t>(channel);
    const auto index = static_cast<std::size_t>(kind);
    const KindDefaults& defaults = kKindDefaults[index < kKindDefaults.size() ? index : 0];
    e.setName(defaults.name);
    switch (kind) {
        case Kind::Melody:
        case Kind::Phrase: e[NTT] = 1; break;
        case Kind::Drums:
            e[ChordMute4] = 7;
            e[NTR] = 1;
            e[NTT] = 0;
            e[HighestKey] = 6;
            break;
        case Kind::Bass:
            e[NTT] = 3;
            e[HighestKey] = 3;
            e[RTR] = 4;
            break;
        default: break;
    }
    const auto section = defaults.iniSection;
    if (casmIni.readInt(section, "USE", 0) == 0) return e;
    if (auto name = casmIni.readString(section, "Name", ""); !name.empty()) e.setName(name);
    for (const ByteField& field : byteFields()) {
        if (field.offset > unkn26) break;
        if (field.offset == Track || field.offset == MidiChan) continue;
        e[field.offset] = static_cast<std::uint8_t>(casmIni.readInt(section, field.name, e[field.offset]));
    }
    return e;
}

CreateResult createCasm(const document::EventList& events, const Kinds& kinds, const base::Profile& casmIni,
                        const base::Language& language) {
    CreateResult result;
    const std::string sdec = sectionNamesFromMarkers(events);
    if (sdec.empty()) {
        result.failure = cannotCreate(language, 106, "No Markers in the MIDI part...");
        return result;
    }
    if (std::all_of(kinds.begin(), kinds.end(), [](Kind k) { return k == Kind::Unknown; })) {
        result.failure = cannotCreate(language, 108, "No channel assignment...");
        return result;
    }
    if (sdec.size() > kMaxSdecLength) {
        result.failure = cannotCreate(language, 0,
                                      "The section names of the markers take " + std::to_string(sdec.size()) +
                                          " characters; a CASM section holds at most 255...");
        return result;
    }
    // One segment for all sections: a single table row named by the whole Sdec text.
    SectionTable table(1);
    table[0].name = sdec;
    table[0].group = 1;
    table[0].kind = tableKindOfMarkers(events);
    for (std::size_t c = 0; c < kinds.size(); ++c) {
        if (kinds[c] == Kind::Unknown) continue;
        Entry e = kindEntry(kinds[c], static_cast<int>(c), casmIni);
        if (table[0].kind == TableKind::Ctb2) e = ctb2FromCtab(e);
        table[0].ctabs.emplace_back(e.bytes().begin(), e.bytes().end());
    }
    result.bytes = assembleCasm(std::move(table));
    return result;
}

CreateResult createCasmFile(const std::filesystem::path& target, const document::EventList& events,
                            const Kinds& kinds, const base::Profile& casmIni, const base::Language& language) {
    CreateResult result = createCasm(events, kinds, casmIni, language);
    if (result.ok() && !base::writeFileAtomic(target, result.bytes))
        result.failure = cannotCreate(language, 101, "Unable to create a temporary file...");
    return result;
}

}  // namespace casm
