#pragma once
// Creating a first CASM section from the MIDI part: section names from the
// markers, a survey of the channels, a proposed part kind per channel, and
// one segment with one entry per channel that was given a kind.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "base/language.h"
#include "base/message.h"
#include "base/profile.h"
#include "casm/entry.h"
#include "document/event_list.h"

namespace casm {

enum class Kind : int { Unknown = 0, Melody, Drums, Bass, Chord, Pad, Phrase };
using Kinds = std::array<Kind, 16>;

// "Unknown", "Melody", "Drums", "Bass", "Chord", "Pad", "Phrase".
std::span<const std::string_view> kindNames();
std::string_view kindName(Kind kind);
// The kind of a name of the list; Unknown for any other text.
Kind kindFromName(std::string_view name);

struct ChannelSurvey {
    bool used = false;
    std::uint8_t bankMsb = 0;
    std::uint8_t bankLsb = 0;
    std::uint8_t program = 255;  // 255 = none
    std::uint32_t notes = 0;
    std::uint32_t repeat = 0;     // note-ons per distinct note number, capped at 255
    std::uint32_t maxRepeat = 0;  // the most note-ons of one note number
};
using Survey = std::array<ChannelSurvey, 16>;

Survey surveyChannels(const document::EventList& events);

// The markers naming sections ("Main", "Fill In", "Intro", "Ending",
// "Break" at the start), joined by "," in event order; a name that was
// already given is not repeated, as its entries would be doubled when read.
std::string sectionNamesFromMarkers(const document::EventList& events);

// Ctb2 when the first marker of the MIDI part is "SFF2", else Ctab.
TableKind tableKindOfMarkers(const document::EventList& events);

// "Std.Kit1", ...: the drum kit of a program in bank MSB 127, or "".
std::string_view drumKitName(int program);
// "PIANO" .. "SOUND EFFECTS": the General MIDI group of a program.
std::string_view gmGroupName(int program);

// One row of the creation dialog.
struct CreationRow {
    bool filled = false;
    std::string bank, instrument, group, notes, repeat, maxRepeat, assign;
    Kind kind = Kind::Unknown;
};
using PatchNameLookup = std::function<std::string(int bank, int program)>;
// The row of `channel` (0 to 15); `patchName` names instruments (General
// MIDI names when not set).
CreationRow creationRow(const ChannelSurvey& survey, int channel, bool onlyWithNotes,
                        const PatchNameLookup& patchName = {});
// The kinds the dialog proposes for all 16 channels.
Kinds proposedKinds(const Survey& survey, bool onlyWithNotes);

// The entry of a channel of that kind: the new-entry record with `Track`
// and `MidiChan` set to the channel, the kind's defaults, then the
// overrides of the kind's section in "Casm.INI" when its "USE" is not 0.
Entry kindEntry(Kind kind, int channel, const base::Profile& casmIni);

struct CreateResult {
    base::Bytes bytes;
    std::optional<base::Message> failure;
    bool ok() const { return !failure; }
};

// The new CASM section, or why there is none (no section marker, no
// channel given a kind, section names too long for one Sdec chunk). Its
// entries are Ctb2 entries (ctb2FromCtab of the kind entries) when the
// MIDI part is an SFF2 one.
CreateResult createCasm(const document::EventList& events, const Kinds& kinds, const base::Profile& casmIni,
                        const base::Language& language = base::builtinLanguage());
// The same written over `target` all or nothing.
CreateResult createCasmFile(const std::filesystem::path& target, const document::EventList& events,
                            const Kinds& kinds, const base::Profile& casmIni,
                            const base::Language& language = base::builtinLanguage());

}  // namespace casm
