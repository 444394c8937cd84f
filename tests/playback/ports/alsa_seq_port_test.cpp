// The ALSA sequencer port against a real sequencer: a client of the test's
// own is the destination. Skipped where /dev/snd/seq cannot be opened.
#include <gtest/gtest.h>
#include <poll.h>

#include <algorithm>
#include <vector>

#include "playback/ports/alsa_seq_port.h"

using namespace playback;
using namespace playback::ports;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A sequencer client with one writable port that collects what arrives.
struct Sink {
    snd_seq_t* seq = nullptr;
    int port = -1;

    Sink() {
        if (!sequencerPresent() || snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
            seq = nullptr;
            return;
        }
        snd_seq_set_client_name(seq, "CtabberTestSink");
        port = snd_seq_create_simple_port(seq, "in", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                          SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    }
    ~Sink() { closeNow(); }
    void closeNow() {
        if (seq) snd_seq_close(seq);
        seq = nullptr;
    }
    std::string name() const {
        return "CtabberTestSink:in " + std::to_string(snd_seq_client_id(seq)) + ':' + std::to_string(port);
    }
    // The next event to arrive; waits at most a few seconds, long enough on
    // any machine for an event due now, without bounding how late it is.
    std::optional<snd_seq_event_t> next() {
        std::vector<pollfd> fds(static_cast<std::size_t>(snd_seq_poll_descriptors_count(seq, POLLIN)));
        snd_seq_poll_descriptors(seq, fds.data(), static_cast<unsigned>(fds.size()), POLLIN);
        for (int tries = 0; tries < 50; ++tries) {
            snd_seq_event_t* ev = nullptr;
            if (snd_seq_event_input(seq, &ev) >= 0 && ev) {
                if (ev->type == SND_SEQ_EVENT_PORT_SUBSCRIBED || ev->type == SND_SEQ_EVENT_PORT_UNSUBSCRIBED) continue;
                return *ev;
            }
            poll(fds.data(), fds.size(), 100);
        }
        return std::nullopt;
    }
};

// How many events wait in the port's queue, found by its name.
int queued(snd_seq_t* seq) {
    const int queue = snd_seq_query_named_queue(seq, "Ctabber");
    snd_seq_queue_status_t* status;
    snd_seq_queue_status_alloca(&status);
    if (queue < 0 || snd_seq_get_queue_status(seq, queue, status) < 0) return -1;
    return snd_seq_queue_status_get_events(status);
}

std::shared_ptr<MidiPort> listed(const std::string& name) {
    const auto ports = alsaSeqPorts();
    if (!ports) return nullptr;
    for (const auto& p : *ports)
        if (p->name() == name) return p;
    return nullptr;
}

}  // namespace

TEST(AlsaSeqPort, WithoutASequencerThereIsNoListAndNoPortOpens) {
    if (sequencerPresent()) GTEST_SKIP() << "this machine has an ALSA sequencer";
    EXPECT_FALSE(alsaSeqPorts().has_value());
    AlsaSeqPort port("Midi Through:Midi Through Port-0 14:0");
    EXPECT_FALSE(port.open());
    EXPECT_EQ(port.clockMs(), 0u);
    EXPECT_FALSE(port.sendAt(Bytes{0x90, 60, 100}, 0));
}

TEST(AlsaSeqPort, QueuedEventsArriveWithdrawnOnesDoNotAndAResetClearsTheQueue) {
    Sink sink;
    if (!sink.seq || sink.port < 0) GTEST_SKIP() << "no ALSA sequencer can be opened here (/dev/snd/seq)";
    const auto port = listed(sink.name());
    ASSERT_TRUE(port) << "the test's client is not listed as " << sink.name();
    EXPECT_EQ(port->timing(), PortTiming::Scheduled);
    ASSERT_TRUE(port->open());
    EXPECT_TRUE(port->status().empty());

    // Due now: arrives, as its own kind of event.
    const std::uint64_t now = port->clockMs();
    ASSERT_TRUE(port->sendAt(Bytes{0x93, 60, 100}, now));
    auto ev = sink.next();
    ASSERT_TRUE(ev);
    EXPECT_EQ(ev->type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(ev->data.note.channel, 3);
    EXPECT_EQ(ev->data.note.note, 60);
    const Bytes sysex{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    ASSERT_TRUE(port->sendAt(sysex, port->clockMs()));
    ev = sink.next();
    ASSERT_TRUE(ev);
    ASSERT_EQ(ev->type, SND_SEQ_EVENT_SYSEX);
    const auto* bytes = static_cast<const std::uint8_t*>(ev->data.ext.ptr);
    EXPECT_EQ(Bytes(bytes, bytes + ev->data.ext.len), sysex);
    EXPECT_GE(port->clockMs(), now);

    // Far ahead, so they wait in the queue: withdrawing channel 1 takes its
    // note out and leaves channel 2's and the system-exclusive message; a
    // message sent at once passes them.
    const std::uint64_t later = port->clockMs() + 60'000;
    ASSERT_TRUE(port->sendAt(Bytes{0x90, 40, 100}, later));
    ASSERT_TRUE(port->sendAt(Bytes{0x80, 40, 0}, later + 1));
    ASSERT_TRUE(port->sendAt(Bytes{0x91, 41, 100}, later));
    ASSERT_TRUE(port->sendAt(sysex, later));
    EXPECT_EQ(queued(sink.seq), 4);
    port->withdraw(1u << 0);
    EXPECT_EQ(queued(sink.seq), 2);
    ASSERT_TRUE(port->send(Bytes{0xB1, 7, 99}));
    ev = sink.next();
    ASSERT_TRUE(ev);
    EXPECT_EQ(ev->type, SND_SEQ_EVENT_CONTROLLER);

    // The reset drops the rest and sends pedal up and All Notes Off at once.
    port->reset();
    std::vector<snd_seq_event_t> afterReset;
    while (auto e = sink.next()) {
        afterReset.push_back(*e);
        if (afterReset.size() == 32) break;
    }
    ASSERT_EQ(afterReset.size(), 32u);
    EXPECT_EQ(queued(sink.seq), 0);
    for (const auto& e : afterReset) EXPECT_EQ(e.type, SND_SEQ_EVENT_CONTROLLER);
    EXPECT_TRUE(std::none_of(afterReset.begin(), afterReset.end(),
                             [](const snd_seq_event_t& e) { return e.type == SND_SEQ_EVENT_NOTEON; }));

    // The destination goes away: the port says so.
    sink.closeNow();
    EXPECT_NE(port->status().find("is no longer there"), std::string::npos);
    port->close();
}
