#include "chords/engine.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "chords/choices.h"
#include "chords/note_pitch.h"

namespace chords {
namespace {

const ChannelRules& rulesOf(const SectionPlan& plan, const SourceNote& note) {
    return *plan.channels[note.channel];
}

// The chord the rules play over: N.C. plays as over the source chord.
Chord effectiveChord(const ChannelRules& rules, const Chord& chord) {
    if (!chord.none) return chord;
    Chord source;
    source.root = rules.sourceRoot;
    source.type = rules.sourceType;
    return source;
}

bool sounds(const ChannelRules& rules, const Chord& chord) {
    if (chord.none) return (choices::kNoChordChannels >> rules.destination & 1) != 0;
    return rules.sounds(chord.root, chord.type);
}

// The note's pitch over `chord`, or nothing when its entry is muted for it.
std::optional<int> pitchOver(const SectionPlan& plan, const SourceNote& note, const Chord& chord) {
    const auto& rules = rulesOf(plan, note);
    if (!sounds(rules, chord)) return std::nullopt;
    return notePitch(note.note, rules.rulesOf(note.zone), {rules.sourceRoot, rules.sourceType},
                     effectiveChord(rules, chord));
}

void emit(const SectionPlan& plan, const PlayState::Sounding& s, std::uint64_t at, Performance& out) {
    const auto& source = plan.notes[s.source];
    PlayedNote played;
    played.tick = s.start;
    played.duration = at - s.start;
    played.channel = static_cast<std::uint8_t>(rulesOf(plan, source).destination);
    played.note = s.pitch;
    played.velocity = source.velocity;
    played.attack = s.attack;
    played.sourceChannel = source.channel;
    played.sourceNote = source.note;
    played.sourceTick = s.sourceTick;
    played.zone = source.zone;
    played.chord = s.chord;
    out.notes.push_back(played);
}

// The chord changes at `at` under the sounding notes.
void changeChord(const SectionPlan& plan, const Chord& chord, std::uint32_t chordIndex, std::uint64_t at,
                 PlayState& state, Performance& out) {
    std::vector<PlayState::Sounding> kept;
    kept.reserve(state.sounding.size());
    for (auto s : state.sounding) {
        const auto& source = plan.notes[s.source];
        const auto pitch = pitchOver(plan, source, chord);
        if (!pitch) {  // muted for the new chord
            emit(plan, s, at, out);
            continue;
        }
        if (*pitch == s.pitch) {
            kept.push_back(s);
            continue;
        }
        const auto& rules = rulesOf(plan, source);
        const auto& zone = rules.rulesOf(source.zone);
        int next = *pitch;
        bool attack = true;
        switch (zone.rtr) {
            case Rtr::Stop: emit(plan, s, at, out); continue;
            case Rtr::PitchShift: attack = false; break;
            case Rtr::PitchShiftToRoot:
                attack = false;
                next = rootPitch(s.pitch, zone, effectiveChord(rules, chord));
                break;
            case Rtr::RetriggerToRoot: next = rootPitch(s.pitch, zone, effectiveChord(rules, chord)); break;
            case Rtr::Retrigger:
            case Rtr::NoteGenerator: break;
        }
        if (next != s.pitch) {
            emit(plan, s, at, out);
            s.start = at;
            s.pitch = static_cast<std::uint8_t>(next);
            s.attack = attack;
            s.chord = chordIndex;
        }
        kept.push_back(s);
    }
    state.sounding = std::move(kept);
}

// The first element of `items` (sorted by `key`) whose key is at least `from`.
template <class T, class Key>
auto firstFrom(const std::vector<T>& items, std::uint64_t from, Key key) {
    return std::partition_point(items.begin(), items.end(), [&](const T& item) { return key(item) < from; });
}

// The pitches of one chord by source channel and note, worked out once each:
// a section plays the same few keys of a channel over and over.
class PitchCache {
public:
    PitchCache(const SectionPlan& plan, const Chord& chord) : plan_(plan), chord_(chord) { known_.fill(kUnknown); }
    std::optional<int> operator()(const SourceNote& note) {
        auto& slot = known_[static_cast<std::size_t>(note.channel * 128 + note.note)];
        if (slot == kUnknown) slot = static_cast<std::int16_t>(pitchOver(plan_, note, chord_).value_or(kMuted));
        if (slot == kMuted) return std::nullopt;
        return slot;
    }

private:
    static constexpr std::int16_t kUnknown = -2, kMuted = -1;
    const SectionPlan& plan_;
    const Chord& chord_;
    std::array<std::int16_t, 16 * 128> known_;
};

// Starts the notes and sends the messages of one pass of the section that
// fall in [from, to) of play, the pass starting at `offset`.
void playPass(const SectionPlan& plan, PitchCache& pitchOf, std::uint32_t chordIndex, std::uint64_t offset,
              std::uint64_t from, std::uint64_t to, const PlayOptions& options, PlayState& state, Performance& out) {
    const std::uint64_t lo = from > offset ? from - offset : 0;
    const std::uint64_t hi = to - offset;
    auto channelOn = [&](int channel) { return (options.channelSwitches >> channel & 1) != 0; };
    for (auto it = firstFrom(plan.notes, lo, [](const SourceNote& n) { return n.on; });
         it != plan.notes.end() && it->on < hi; ++it) {
        if (!channelOn(rulesOf(plan, *it).destination)) continue;
        const auto pitch = pitchOf(*it);
        if (!pitch) continue;
        PlayState::Sounding s;
        s.source = static_cast<std::uint32_t>(it - plan.notes.begin());
        s.start = it->on + offset;
        s.end = it->off + offset;
        s.sourceTick = it->on;
        s.pitch = static_cast<std::uint8_t>(*pitch);
        s.chord = chordIndex;
        state.sounding.push_back(s);
    }
    for (auto it = firstFrom(plan.routed, lo, [](const playback::MidiEvent& e) { return e.tick; });
         it != plan.routed.end() && it->tick < hi; ++it) {
        if (!it->isLong() && !channelOn(static_cast<int>(it->message & 0x0F))) continue;
        auto event = *it;
        event.tick += offset;
        out.events.push_back(std::move(event));
    }
}

}  // namespace

void playSegment(const SectionPlan& plan, const TimedChord& timed, std::uint32_t chordIndex, const PlayOptions& options,
                 PlayState& state, Performance& out) {
    const std::uint64_t from = timed.start;
    const std::uint64_t to = timed.end;
    if (state.chord && *state.chord != timed.chord) changeChord(plan, timed.chord, chordIndex, from, state, out);
    state.chord = timed.chord;
    if (plan.length > 0 && to > from) {
        PitchCache pitchOf(plan, timed.chord);
        const std::uint64_t first = options.loop ? from / plan.length : 0;
        const std::uint64_t last = options.loop ? (to - 1) / plan.length : 0;
        for (std::uint64_t pass = first; pass <= last; ++pass) {
            const std::uint64_t offset = pass * plan.length;
            if (offset >= to || from >= offset + plan.length) continue;
            playPass(plan, pitchOf, chordIndex, offset, from, to, options, state, out);
        }
    }
    std::erase_if(state.sounding, [&](const PlayState::Sounding& s) {
        if (s.end > to) return false;
        emit(plan, s, s.end, out);
        return true;
    });
}

void endSounding(PlayState& state, std::uint64_t at, const SectionPlan& plan, Performance& out) {
    for (const auto& s : state.sounding) emit(plan, s, std::max(at, s.start), out);
    state.sounding.clear();
}

Performance playProgression(const SectionPlan& plan, std::span<const TimedChord> chords, const PlayOptions& options) {
    Performance out;
    if (chords.empty()) return out;
    const std::uint64_t end = options.loop ? chords.back().end : plan.length;
    out.length = end;
    PlayState state;
    for (std::size_t i = 0; i < chords.size() && chords[i].start < end; ++i) {
        TimedChord segment = chords[i];
        if (i + 1 == chords.size() || segment.end > end) segment.end = end;
        playSegment(plan, segment, static_cast<std::uint32_t>(i), options, state, out);
    }
    endSounding(state, end, plan, out);
    // Ties broken down to the source, so the order never depends on the sort.
    std::sort(out.notes.begin(), out.notes.end(), [](const PlayedNote& a, const PlayedNote& b) {
        return std::tie(a.tick, a.channel, a.note, a.sourceChannel, a.sourceNote, a.sourceTick, a.duration) <
               std::tie(b.tick, b.channel, b.note, b.sourceChannel, b.sourceNote, b.sourceTick, b.duration);
    });
    std::stable_sort(out.events.begin(), out.events.end(),
                     [](const playback::MidiEvent& a, const playback::MidiEvent& b) { return a.tick < b.tick; });
    return out;
}

std::vector<TimedChord> repeatProgression(std::span<const TimedChord> chords, int times) {
    std::vector<TimedChord> out;
    if (chords.empty()) return out;
    const std::uint64_t length = chords.back().end;
    for (int k = 0; k < times; ++k)
        for (const auto& c : chords) {
            const std::uint64_t shift = static_cast<std::uint64_t>(k) * length;
            if (!out.empty() && out.back().chord == c.chord && out.back().end == c.start + shift) {
                out.back().end = c.end + shift;
                continue;
            }
            out.push_back({c.start + shift, c.end + shift, c.chord, c.symbol});
        }
    return out;
}

}  // namespace chords
