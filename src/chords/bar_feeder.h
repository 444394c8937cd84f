#pragma once
// Chord following bar by bar, for a player that plays while the user
// changes things: the feeder computes the next bar of play (the section's
// notes over the chords of that bar, as MIDI messages with ticks from the
// start of play) ahead of time, and every change made meanwhile (the
// chords, the section chosen, the sections' plans after a CASM edit) takes
// effect at the first bar computed after it. Bars computed but not yet
// played can be computed again: rewindTo goes back to the state before one,
// so a change reaches the next bar line even when bars were computed ahead.
//
// Section flow follows section_flow.h. At a section switch or a change of
// plans the notes still sounding end at the bar line (their source notes
// belong to the plan that started them). The progression starts at the bar
// where it was given and repeats, or play ends after it when it does not loop.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chords/chord_types.h"
#include "chords/engine.h"
#include "chords/midi_output.h"
#include "playback/bar_queue.h"

namespace chords {

// The plans of a style's sections by name, all made from one set of entries.
using SectionPlans = std::map<std::string, SectionPlan, std::less<>>;

// The chords to play: a progression, or one chord held when it is empty.
struct ChordChoice {
    std::vector<TimedChord> progression;  // ticks from its own start
    Chord held{false, 0, kMaj7, std::nullopt};
    bool loop = true;  // the progression repeats; otherwise play ends after it
};

// The plans of `sections` of the document over `entries` (every section's);
// a section without a marker has none.
SectionPlans planSections(const document::Document& doc, std::span<const casm::Entry> entries,
                          std::span<const std::string> sections);

// The entries a style plays by as saved: those of its CASM file, or, when it
// has none (no file or an empty one), those "Create CASM section" would make
// (`created` says so). `fault` tells why a CASM file could not be read.
struct SavedEntries {
    std::vector<casm::Entry> entries;
    bool created = false;
    std::string fault;
};
SavedEntries savedEntries(const std::optional<std::vector<std::uint8_t>>& casmFile, const document::EventList& events,
                          const base::Profile& casmIni);

// One computed bar and what it was computed from, for the display.
struct FedBar {
    playback::Bar bar;
    std::string section;
    std::vector<TimedChord> chords;  // ticks from the start of play, inside the bar
};

class BarFeeder {
public:
    // `sections` in the style's order (for what follows an intro); bars of
    // the signature at `division` ticks a quarter note.
    BarFeeder(std::vector<std::string> sections, TimeSignature signature, std::uint16_t division);

    void setPlans(std::shared_ptr<const SectionPlans> plans);
    void setChords(ChordChoice chords);
    // The section to switch to at the next bar line; false (nothing
    // changes) when there is no plan of that name. Choosing the main
    // section that plays changes nothing; any other section starts anew.
    bool chooseSection(const std::string& section);

    // Play from bar 0 of `section`; the reason when it cannot.
    std::optional<std::string> start(const std::string& section);
    // The next bar; nothing once play has ended (an ending played, the
    // progression played once). The last bar may be empty, ending the notes
    // still sounding.
    std::optional<FedBar> next();
    // Back to the state before bar `index` was computed (a bar not played);
    // nothing happens for a bar not computed or already forgotten.
    void rewindTo(std::uint64_t index);
    // Bars before `index` have been played: their states are not kept.
    void forgetBefore(std::uint64_t index);

    std::uint64_t barLength() const { return bar_; }
    const SectionPlans* plans() const { return plans_.get(); }

private:
    struct Cursor {
        std::uint64_t index = 0;
        std::uint64_t tick = 0;
        std::string section;
        std::string lastMain;
        std::uint64_t sectionStart = 0;
        std::uint64_t progressionStart = 0;
        std::uint64_t choiceSeen = 0;  // the section choice last applied
        std::shared_ptr<const SectionPlans> plans;
        std::shared_ptr<const ChordChoice> chords;
        PlayState state;
        bool ended = false;
    };
    const SectionPlan* planOf(const Cursor& c) const;
    std::vector<TimedChord> barChords(const Cursor& c, std::uint64_t end, bool& over) const;
    void switchSection(Cursor& c, const std::string& section, std::vector<PlacedEvent>& placed) const;
    void stopSounding(Cursor& c, std::vector<PlacedEvent>& placed) const;

    std::vector<std::string> sections_;
    std::uint64_t bar_;
    std::shared_ptr<const SectionPlans> plans_;
    std::shared_ptr<const ChordChoice> chords_ = std::make_shared<ChordChoice>();
    std::string chosen_;
    std::uint64_t choice_ = 0;
    Cursor cursor_;
    std::deque<Cursor> checkpoints_;  // the cursor before each bar computed and not yet forgotten
};

}  // namespace chords
