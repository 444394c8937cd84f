#pragma once
// Small makers for the chord-following tests: chords and progressions from
// text, entries with chosen rules, and sections as collected events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "casm/entry.h"
#include "chords/chord_symbol.h"
#include "chords/engine.h"
#include "chords/progression.h"
#include "playback/midi_event.h"

namespace chords_test {

inline constexpr std::uint16_t kDivision = 480;
inline constexpr std::uint64_t kBar = 4 * kDivision;

inline chords::Chord chord(std::string_view symbol) {
    auto parsed = chords::parseChord(symbol);
    if (auto* fault = std::get_if<std::string>(&parsed)) ADD_FAILURE() << *fault;
    return std::get_if<chords::Chord>(&parsed) ? std::get<chords::Chord>(parsed) : chords::Chord{};
}

inline std::vector<chords::TimedChord> progression(std::string_view text) {
    auto parsed = chords::parseProgression(text, {}, kDivision);
    if (auto* fault = std::get_if<std::string>(&parsed)) ADD_FAILURE() << *fault;
    return std::get_if<std::vector<chords::TimedChord>>(&parsed) ? std::get<std::vector<chords::TimedChord>>(parsed)
                                                                  : std::vector<chords::TimedChord>{};
}

// A Ctab entry of section "Main A" from `source` to `destination` (0-based)
// over C Maj7 with one rule block.
inline casm::Entry ctabEntry(int source, int destination, int ntr, int ntt, int rtr = 1, int low = 0, int high = 127,
                             int highKey = 11) {
    casm::Entry e = casm::newEntry();
    e.section = "Main A";
    e[casm::Track] = static_cast<std::uint8_t>(source);
    e[casm::MidiChan] = static_cast<std::uint8_t>(destination);
    e[casm::NTR] = static_cast<std::uint8_t>(ntr);
    e[casm::NTT] = static_cast<std::uint8_t>(ntt);
    e[casm::RTR] = static_cast<std::uint8_t>(rtr);
    e[casm::LowLimit] = static_cast<std::uint8_t>(low);
    e[casm::HighLimit] = static_cast<std::uint8_t>(high);
    e[casm::HighestKey] = static_cast<std::uint8_t>(highKey);
    return e;
}

struct Note {
    int channel;
    int note;
    std::uint64_t on;
    std::uint64_t off;
};

// The collected events of a section holding these notes, in tick order.
inline std::vector<playback::MidiEvent> sectionEvents(const std::vector<Note>& notes,
                                                       std::vector<playback::MidiEvent> others = {}) {
    std::vector<playback::MidiEvent> events = std::move(others);
    for (const auto& n : notes) {
        const auto ch = static_cast<std::uint8_t>(n.channel);
        const auto key = static_cast<std::uint8_t>(n.note);
        events.push_back(playback::MidiEvent::shortEvent(0, n.on, static_cast<std::uint8_t>(0x90 | ch), key, 100));
        events.push_back(playback::MidiEvent::shortEvent(0, n.off, static_cast<std::uint8_t>(0x80 | ch), key, 0));
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const playback::MidiEvent& a, const playback::MidiEvent& b) { return a.tick < b.tick; });
    return events;
}

inline chords::Performance play(const std::vector<Note>& notes, const std::vector<casm::Entry>& entries,
                                std::string_view progressionText, chords::PlayOptions options = {}) {
    const auto plan = chords::planSection(sectionEvents(notes), entries, {}, kDivision);
    return chords::playProgression(plan, progression(progressionText), options);
}

// (tick, duration, channel, note, attack) of each played note, for comparing.
struct Heard {
    std::uint64_t tick, duration;
    int channel, note;
    bool attack;
    friend bool operator==(const Heard&, const Heard&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Heard& h) {
        return os << "{" << h.tick << "+" << h.duration << " ch" << h.channel << " n" << h.note
                  << (h.attack ? "" : " cont") << "}";
    }
};

inline std::vector<Heard> heard(const chords::Performance& p) {
    std::vector<Heard> out;
    for (const auto& n : p.notes) out.push_back({n.tick, n.duration, n.channel, n.note, n.attack});
    return out;
}

inline std::vector<int> pitches(const chords::Performance& p) {
    std::vector<int> out;
    for (const auto& n : p.notes) out.push_back(n.note);
    return out;
}

}  // namespace chords_test
