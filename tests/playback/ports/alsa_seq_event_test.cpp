// What the ALSA sequencer port sends, checked on libasound's own structures
// without a sequencer.
#include <gtest/gtest.h>

#include <vector>

#include "playback/ports/alsa_seq_event.h"

using namespace playback::ports;
using Bytes = std::vector<std::uint8_t>;

namespace {

snd_seq_event_t only(const Bytes& message) {
    const auto events = seqEvents(message);
    EXPECT_EQ(events.size(), 1u);
    return events.empty() ? snd_seq_event_t{} : events.front();
}

// Whether a removal by `condition` takes `ev` out of the queue: the kernel
// compares the channel of channel events only, and removes no other events
// under a channel condition.
bool removes(const RemoveCondition& condition, const snd_seq_event_t& ev) {
    if (!(condition.mode & SND_SEQ_REMOVE_OUTPUT)) return false;
    if (!(condition.mode & SND_SEQ_REMOVE_DEST_CHANNEL)) return true;
    return snd_seq_ev_is_channel_type(&ev) && ev.data.note.channel == condition.channel;
}

}  // namespace

TEST(AlsaSeqEvent, ChannelMessagesBecomeEventsOfTheirKindOnTheirChannel) {
    auto ev = only({0x93, 60, 100});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(ev.data.note.channel, 3);
    EXPECT_EQ(ev.data.note.note, 60);
    EXPECT_EQ(ev.data.note.velocity, 100);
    EXPECT_TRUE(snd_seq_ev_is_fixed(&ev));

    // A note-on at velocity 0 stays a note-on, so the port sends the bytes it was given.
    ev = only({0x90, 61, 0});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(ev.data.note.velocity, 0);

    ev = only({0x8F, 62, 64});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_NOTEOFF);
    EXPECT_EQ(ev.data.note.channel, 15);
    EXPECT_EQ(ev.data.note.velocity, 64);

    ev = only({0xA1, 63, 33});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_KEYPRESS);
    EXPECT_EQ(ev.data.note.note, 63);
    EXPECT_EQ(ev.data.note.velocity, 33);

    ev = only({0xB2, 7, 90});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_CONTROLLER);
    EXPECT_EQ(ev.data.control.channel, 2);
    EXPECT_EQ(ev.data.control.param, 7u);
    EXPECT_EQ(ev.data.control.value, 90);

    ev = only({0xC4, 48});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_PGMCHANGE);
    EXPECT_EQ(ev.data.control.channel, 4);
    EXPECT_EQ(ev.data.control.value, 48);

    ev = only({0xD5, 77});
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_CHANPRESS);
    EXPECT_EQ(ev.data.control.value, 77);
}

TEST(AlsaSeqEvent, PitchBendIsSignedAroundTheCentre) {
    // LSB first; the sequencer counts from -8192 to 8191 with 0 at rest.
    EXPECT_EQ(only({0xE0, 0x00, 0x40}).data.control.value, 0);
    EXPECT_EQ(only({0xE0, 0x00, 0x00}).data.control.value, -8192);
    EXPECT_EQ(only({0xE0, 0x7F, 0x7F}).data.control.value, 8191);
    EXPECT_EQ(only({0xE6, 0x01, 0x40}).data.control.value, 1);
    EXPECT_EQ(only({0xE6, 0x01, 0x40}).data.control.channel, 6);
    EXPECT_EQ(only({0xE6, 0x01, 0x40}).type, SND_SEQ_EVENT_PITCHBEND);
}

TEST(AlsaSeqEvent, SystemMessagesBecomeTheirEvents) {
    EXPECT_EQ(only({0xF2, 0x05, 0x01}).type, SND_SEQ_EVENT_SONGPOS);
    EXPECT_EQ(only({0xF2, 0x05, 0x01}).data.control.value, 0x85);
    EXPECT_EQ(only({0xF3, 9}).data.control.value, 9);
    EXPECT_EQ(only({0xF8}).type, SND_SEQ_EVENT_CLOCK);
    EXPECT_EQ(only({0xFA}).type, SND_SEQ_EVENT_START);
    EXPECT_EQ(only({0xFC}).type, SND_SEQ_EVENT_STOP);
    EXPECT_EQ(only({0xFF}).type, SND_SEQ_EVENT_RESET);
}

TEST(AlsaSeqEvent, SystemExclusiveBytesGoUnchangedInChunksInOrder) {
    const Bytes reset{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    auto ev = only(reset);
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_SYSEX);
    EXPECT_TRUE(snd_seq_ev_is_variable(&ev));
    ASSERT_EQ(ev.data.ext.len, reset.size());
    EXPECT_EQ(ev.data.ext.ptr, reset.data());

    // A bulk dump longer than a chunk: consecutive events that together are
    // the message, byte for byte.
    Bytes dump(2 * kSysexChunk + 5, 0x11);
    dump.front() = 0xF0;
    dump.back() = 0xF7;
    const auto events = seqEvents(dump);
    ASSERT_EQ(events.size(), 3u);
    Bytes joined;
    for (const auto& e : events) {
        EXPECT_EQ(e.type, SND_SEQ_EVENT_SYSEX);
        EXPECT_LE(e.data.ext.len, kSysexChunk);
        const auto* p = static_cast<const std::uint8_t*>(e.data.ext.ptr);
        joined.insert(joined.end(), p, p + e.data.ext.len);
    }
    EXPECT_EQ(joined, dump);

    // An escape (F7 and raw bytes, or raw bytes alone) is passed as it is.
    const Bytes escape{0x43, 0x10, 0x4C};
    ev = only(escape);
    EXPECT_EQ(ev.type, SND_SEQ_EVENT_SYSEX);
    EXPECT_EQ(ev.data.ext.len, 3u);
}

TEST(AlsaSeqEvent, AMessageShorterThanItsStatusCallsForSendsNothing) {
    EXPECT_TRUE(seqEvents(Bytes{}).empty());
    EXPECT_TRUE(seqEvents(Bytes{0x90, 60}).empty());
    EXPECT_TRUE(seqEvents(Bytes{0xC0}).empty());
    EXPECT_TRUE(seqEvents(Bytes{0xF2, 1}).empty());
}

TEST(AlsaSeqEvent, MillisecondsAndQueueRealTimeRoundTrip) {
    for (const std::uint64_t ms : {0ull, 1ull, 999ull, 1000ull, 1001ull, 86'400'123ull}) {
        const auto t = realTimeOfMs(ms);
        EXPECT_LT(t.tv_nsec, 1'000'000'000u);
        EXPECT_EQ(msOfRealTime(t), ms);
    }
    EXPECT_EQ(realTimeOfMs(2'500).tv_sec, 2u);
    EXPECT_EQ(realTimeOfMs(2'500).tv_nsec, 500'000'000u);
    // The queue's clock between two milliseconds reads the earlier one.
    EXPECT_EQ(msOfRealTime({3, 7'999'999}), 3'007u);
    // A stamp beyond the queue's range is held at its end, not wrapped round to the past.
    const auto far = realTimeOfMs(UINT64_MAX);
    EXPECT_EQ(far.tv_sec, UINT32_MAX);
    EXPECT_GT(msOfRealTime(far), msOfRealTime(realTimeOfMs(1'000'000'000'000ull)));
}

TEST(AlsaSeqEvent, WithdrawingChannelsRemovesTheirPendingChannelEventsOnly) {
    const std::uint16_t channels = 1u << 0 | 1u << 9 | 1u << 15;
    const auto conditions = withdrawConditions(channels, 4);
    ASSERT_EQ(conditions.size(), 3u);
    EXPECT_TRUE(withdrawConditions(0, 4).empty());

    const Bytes noteOn9{0x99, 36, 100}, noteOff9{0x89, 36, 0}, bend9{0xE9, 0, 0x40}, program9{0xC9, 1};
    const Bytes noteOn10{0x9A, 36, 100}, sysex{0xF0, 0x43, 0x10, 0xF7}, controller15{0xBF, 7, 100};
    auto removed = [&](const Bytes& m) {
        for (const auto& c : conditions)
            if (removes(c, only(m))) return true;
        return false;
    };
    EXPECT_TRUE(removed(noteOn9));
    EXPECT_TRUE(removed(noteOff9));  // an All Notes Off follows
    EXPECT_TRUE(removed(bend9));
    EXPECT_TRUE(removed(program9));
    EXPECT_TRUE(removed(controller15));
    EXPECT_FALSE(removed(noteOn10));
    EXPECT_FALSE(removed(sysex));
    for (const auto& c : conditions) {
        EXPECT_FALSE(c.mode & SND_SEQ_REMOVE_INPUT);
        EXPECT_FALSE(c.mode & SND_SEQ_REMOVE_IGNORE_OFF);
        EXPECT_EQ(c.queue, 4);
    }

    // A reset drops everything pending, sysex too.
    EXPECT_TRUE(removes(dropPending(4), only(sysex)));
    EXPECT_TRUE(removes(dropPending(4), only(noteOn10)));
}

TEST(AlsaSeqEvent, ARemovalConditionReachesLibasoundAsBuilt) {
    snd_seq_remove_events_t* info;
    snd_seq_remove_events_alloca(&info);
    const auto condition = withdrawConditions(1u << 12, 2).front();
    fillRemoveEvents(info, condition);
    EXPECT_EQ(snd_seq_remove_events_get_condition(info), SND_SEQ_REMOVE_OUTPUT | SND_SEQ_REMOVE_DEST_CHANNEL);
    EXPECT_EQ(snd_seq_remove_events_get_channel(info), 12);
    EXPECT_EQ(snd_seq_remove_events_get_queue(info), 2);
}

TEST(AlsaSeqEvent, DestinationsAreNamedAndChosenAsThePortListAlwaysHad) {
    EXPECT_EQ(destinationName("Midi Through", "Midi Through Port-0", 14, 0), "Midi Through:Midi Through Port-0 14:0");
    EXPECT_EQ(destinationName("USB Keyboard", "USB Keyboard MIDI 1", 24, 1), "USB Keyboard:USB Keyboard MIDI 1 24:1");

    const unsigned writable = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
    EXPECT_TRUE(isOutputDestination(14, SND_SEQ_PORT_TYPE_MIDI_GENERIC, writable | SND_SEQ_PORT_CAP_READ));
    EXPECT_TRUE(isOutputDestination(128, SND_SEQ_PORT_TYPE_SYNTH, writable));
    EXPECT_TRUE(isOutputDestination(130, SND_SEQ_PORT_TYPE_APPLICATION, writable));
    // The system client's timer and announce ports, a port only written
    // directly, an output-only port (another program's, or this one's own),
    // a port of no MIDI kind.
    EXPECT_FALSE(isOutputDestination(0, SND_SEQ_PORT_TYPE_MIDI_GENERIC, writable));
    EXPECT_FALSE(isOutputDestination(20, SND_SEQ_PORT_TYPE_MIDI_GENERIC, SND_SEQ_PORT_CAP_WRITE));
    EXPECT_FALSE(isOutputDestination(129, SND_SEQ_PORT_TYPE_APPLICATION, SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ));
    EXPECT_FALSE(isOutputDestination(20, SND_SEQ_PORT_TYPE_HARDWARE, writable));
}
