#include "chords/midi_output.h"

#include <algorithm>
#include <bit>

#include "document/smf_builder.h"
#include "document/smf_writer.h"

namespace chords {
namespace {

// The bytes of an event as a track holds them after its delta.
std::vector<std::uint8_t> trackBytes(const playback::MidiEvent& e) {
    if (e.message == 0xF7) {
        std::vector<std::uint8_t> out = {0xF7};
        document::appendVarLen(out, static_cast<std::uint32_t>(e.data.size()));
        out.insert(out.end(), e.data.begin(), e.data.end());
        return out;
    }
    if (e.message == 0xF0) {  // the data start with F0
        std::vector<std::uint8_t> out = {0xF0};
        const auto rest = e.data.empty() ? e.data.end() : e.data.begin() + 1;
        document::appendVarLen(out, static_cast<std::uint32_t>(e.data.end() - rest));
        out.insert(out.end(), rest, e.data.end());
        return out;
    }
    const auto status = static_cast<std::uint8_t>(e.message & 0xFF);
    const int length = playback::shortMessageLength(status);
    std::vector<std::uint8_t> out;
    for (int i = 0; i < length; ++i) out.push_back(static_cast<std::uint8_t>(e.message >> (8 * i) & 0xFF));
    return out;
}

}  // namespace

std::vector<playback::MidiEvent> performanceEvents(const Performance& performance) {
    struct Timed {
        std::uint64_t tick;
        int order;  // note-offs 0, other messages 1, note-ons 2
        playback::MidiEvent event;
    };
    std::vector<Timed> timed;
    timed.reserve(performance.notes.size() * 2 + performance.events.size());
    for (const auto& n : performance.notes) {
        const auto on = static_cast<std::uint8_t>(0x90 | n.channel);
        const auto off = static_cast<std::uint8_t>(0x80 | n.channel);
        timed.push_back({n.tick, 2, playback::MidiEvent::shortEvent(0, n.tick, on, n.note, n.velocity)});
        timed.push_back({n.tick + n.duration, 0,
                         playback::MidiEvent::shortEvent(0, n.tick + n.duration, off, n.note, 0x40)});
    }
    for (const auto& e : performance.events) timed.push_back({e.tick, 1, e});
    std::stable_sort(timed.begin(), timed.end(),
                     [](const Timed& a, const Timed& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<playback::MidiEvent> out;
    out.reserve(timed.size());
    std::uint64_t last = 0;
    for (auto& t : timed) {
        t.event.tick = t.tick;
        t.event.delta = static_cast<std::uint32_t>(t.tick - last);
        last = t.tick;
        out.push_back(std::move(t.event));
    }
    return out;
}

std::vector<std::uint8_t> performanceFile(const std::vector<playback::MidiEvent>& startup,
                           const std::vector<playback::MidiEvent>& played, std::uint16_t division, std::uint32_t tempo,
                           TimeSignature signature) {
    document::TrackBuilder track;
    const auto power = static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(signature.denominator)));
    track.tempo(0, tempo).meta(0, 0x58, {static_cast<std::uint8_t>(signature.numerator), power, 24, 8});
    std::uint64_t last = 0;
    auto add = [&](const playback::MidiEvent& e, std::uint64_t tick) {
        if (e.message == 0) return;
        track.event(static_cast<std::uint32_t>(tick - last), trackBytes(e));
        last = tick;
    };
    for (const auto& e : startup) add(e, e.tick);
    const std::uint64_t offset = startup.empty() ? 0 : startup.back().tick;
    for (const auto& e : played) add(e, e.tick + offset);
    track.end(0);
    return document::smfFile(0, division, {track.bytes()});
}

}  // namespace chords
