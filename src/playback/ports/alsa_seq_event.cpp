#include "playback/ports/alsa_seq_event.h"

#include <algorithm>
#include <limits>

#include "playback/midi_event.h"

namespace playback::ports {
namespace {

snd_seq_event_t blank(snd_seq_event_type_t type) {
    snd_seq_event_t ev;
    snd_seq_ev_clear(&ev);
    ev.type = type;
    snd_seq_ev_set_fixed(&ev);
    return ev;
}

snd_seq_event_t note(snd_seq_event_type_t type, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity) {
    auto ev = blank(type);
    ev.data.note.channel = channel;
    ev.data.note.note = key;
    ev.data.note.velocity = velocity;
    return ev;
}

snd_seq_event_t control(snd_seq_event_type_t type, std::uint8_t channel, unsigned int param, int value) {
    auto ev = blank(type);
    ev.data.control.channel = channel;
    ev.data.control.param = param;
    ev.data.control.value = value;
    return ev;
}

std::vector<snd_seq_event_t> channelEvent(std::span<const std::uint8_t> m) {
    const std::uint8_t c = m[0] & 0x0F;
    const std::uint8_t a = m[1];
    const std::uint8_t b = m.size() > 2 ? m[2] : 0;
    switch (m[0] & 0xF0) {
        // A note-on at velocity 0 stays one, so a MIDI port sends the bytes it was given.
        case 0x80: return {note(SND_SEQ_EVENT_NOTEOFF, c, a, b)};
        case 0x90: return {note(SND_SEQ_EVENT_NOTEON, c, a, b)};
        case 0xA0: return {note(SND_SEQ_EVENT_KEYPRESS, c, a, b)};
        case 0xB0: return {control(SND_SEQ_EVENT_CONTROLLER, c, a, b)};
        case 0xC0: return {control(SND_SEQ_EVENT_PGMCHANGE, c, 0, a)};
        case 0xD0: return {control(SND_SEQ_EVENT_CHANPRESS, c, 0, a)};
        default: return {control(SND_SEQ_EVENT_PITCHBEND, c, 0, (a | b << 7) - 8192)};
    }
}

std::vector<snd_seq_event_t> sysexEvents(std::span<const std::uint8_t> m) {
    std::vector<snd_seq_event_t> events;
    for (std::size_t at = 0; at < m.size(); at += kSysexChunk) {
        const std::size_t length = std::min(kSysexChunk, m.size() - at);
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        // The sequencer only reads the bytes it is pointed at.
        snd_seq_ev_set_sysex(&ev, static_cast<unsigned int>(length), const_cast<std::uint8_t*>(m.data() + at));
        events.push_back(ev);
    }
    return events;
}

}  // namespace

std::vector<snd_seq_event_t> seqEvents(std::span<const std::uint8_t> m) {
    if (m.empty()) return {};
    const std::uint8_t status = m[0];
    if (status < 0x80 || status == 0xF0 || status == 0xF7) return sysexEvents(m);
    const int length = shortMessageLength(status);
    if (m.size() < static_cast<std::size_t>(length)) return {};
    if (status < 0xF0) return channelEvent(m);
    const int a = m.size() > 1 ? m[1] : 0;
    const int b = m.size() > 2 ? m[2] : 0;
    switch (status) {
        case 0xF1: return {control(SND_SEQ_EVENT_QFRAME, 0, 0, a)};
        case 0xF2: return {control(SND_SEQ_EVENT_SONGPOS, 0, 0, a | b << 7)};
        case 0xF3: return {control(SND_SEQ_EVENT_SONGSEL, 0, 0, a)};
        case 0xF6: return {blank(SND_SEQ_EVENT_TUNE_REQUEST)};
        case 0xF8: return {blank(SND_SEQ_EVENT_CLOCK)};
        case 0xFA: return {blank(SND_SEQ_EVENT_START)};
        case 0xFB: return {blank(SND_SEQ_EVENT_CONTINUE)};
        case 0xFC: return {blank(SND_SEQ_EVENT_STOP)};
        case 0xFE: return {blank(SND_SEQ_EVENT_SENSING)};
        case 0xFF: return {blank(SND_SEQ_EVENT_RESET)};
        default: return sysexEvents(m);  // F4, F5, F9, FD: undefined, passed as they are
    }
}

snd_seq_real_time_t realTimeOfMs(std::uint64_t ms) {
    constexpr std::uint64_t kMaxSeconds = std::numeric_limits<unsigned int>::max();
    snd_seq_real_time_t t{};
    if (ms / 1000 > kMaxSeconds) {
        t.tv_sec = static_cast<unsigned int>(kMaxSeconds);
        t.tv_nsec = 999'999'999;
        return t;
    }
    t.tv_sec = static_cast<unsigned int>(ms / 1000);
    t.tv_nsec = static_cast<unsigned int>(ms % 1000 * 1'000'000);
    return t;
}

std::uint64_t msOfRealTime(const snd_seq_real_time_t& time) {
    return std::uint64_t{time.tv_sec} * 1000 + time.tv_nsec / 1'000'000;
}

RemoveCondition dropPending(int queue) { return {SND_SEQ_REMOVE_OUTPUT, queue, 0}; }

std::vector<RemoveCondition> withdrawConditions(std::uint16_t channels, int queue) {
    std::vector<RemoveCondition> conditions;
    for (int c = 0; c < 16; ++c)
        if (channels >> c & 1) conditions.push_back({SND_SEQ_REMOVE_OUTPUT | SND_SEQ_REMOVE_DEST_CHANNEL, queue, c});
    return conditions;
}

void fillRemoveEvents(snd_seq_remove_events_t* info, const RemoveCondition& condition) {
    snd_seq_remove_events_set_condition(info, condition.mode);
    snd_seq_remove_events_set_queue(info, condition.queue);
    snd_seq_remove_events_set_channel(info, condition.channel);
}

bool isOutputDestination(int client, unsigned int type, unsigned int capability) {
    constexpr unsigned int kKinds = SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SYNTH | SND_SEQ_PORT_TYPE_APPLICATION;
    constexpr unsigned int kWritable = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
    return client != 0 && (type & kKinds) != 0 && (capability & kWritable) == kWritable;
}

std::string destinationName(const std::string& clientName, const std::string& portName, int client, int port) {
    return clientName + ':' + portName + ' ' + std::to_string(client) + ':' + std::to_string(port);
}

}  // namespace playback::ports
