#pragma once
// What the ALSA sequencer port sends, as plain functions over libasound's
// event structures, so that they are tested without a sequencer: a MIDI
// message as sequencer events, milliseconds as queue real time, the removal
// conditions that withdraw pending events, and the names of the
// destinations as the port list shows them.
#include <alsa/asoundlib.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace playback::ports {

// A system-exclusive message longer than this goes out as several events
// with the same time stamp, which a MIDI port delivers back to back: the
// kernel refuses an event that needs more memory cells than the client's
// whole output pool.
inline constexpr std::size_t kSysexChunk = 1024;

// `message` as the sequencer events that carry it, with their type and data
// set and nothing else (source, destination and time are the sender's). A
// channel message or a system message becomes one event of its kind; a
// message that starts with F0 or F7, or with no status byte, is passed as
// system-exclusive bytes unchanged, whose events point into `message`. A
// channel message shorter than its status calls for gives none.
std::vector<snd_seq_event_t> seqEvents(std::span<const std::uint8_t> message);

// A millisecond of the queue's clock as its real time, and back (rounded down).
snd_seq_real_time_t realTimeOfMs(std::uint64_t ms);
std::uint64_t msOfRealTime(const snd_seq_real_time_t& time);

// The fields of one snd_seq_remove_events call.
struct RemoveCondition {
    unsigned int mode = 0;  // SND_SEQ_REMOVE_* flags
    int queue = 0;
    int channel = 0;
};

// Every event this client has queued for output and not yet delivered.
RemoveCondition dropPending(int queue);
// The queued channel events of the channels of `channels` (bit c: channel
// c), one condition a channel, note-offs included: an All Notes Off follows.
// System-exclusive events are no channel events and stay.
std::vector<RemoveCondition> withdrawConditions(std::uint16_t channels, int queue);
void fillRemoveEvents(snd_seq_remove_events_t* info, const RemoveCondition& condition);

// Whether a port of client `client` with this type and capability is
// offered as an output: a MIDI, synthesizer or application port that takes
// subscriptions for writing, not of the system client 0.
bool isOutputDestination(int client, unsigned int type, unsigned int capability);
// "client name:port name client:port", as the port list has always named
// the sequencer's ports, so a port chosen earlier is found again.
std::string destinationName(const std::string& clientName, const std::string& portName, int client, int port);

}  // namespace playback::ports
