#include <gtest/gtest.h>

#include "playback/bar_player.h"
#include "playback/recording_port.h"
#include "playback/scheduled_play.h"

using namespace playback;
using Kind = RecordingPort::Kind;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr Timing kMsTicks{1000, 1000000, 4};  // one tick a millisecond, bars of 4000 ms

// A port with a clock of its own that the test moves.
struct ScheduledRig {
    std::uint64_t clock = 1000;
    std::shared_ptr<RecordingPort> port = std::make_shared<RecordingPort>();
    CMIDIOUT out{[p = port] { return PortList{p}; }};
    PlayerControls controls;
    ScheduledRig() {
        port->setTiming(PortTiming::Scheduled);
        port->setClock([this] { return clock; });
        out.SetActive(true);
    }
    std::vector<RecordingPort::Entry> sends() const {
        std::vector<RecordingPort::Entry> found;
        for (auto& e : port->entries())
            if (e.kind == Kind::Send) found.push_back(e);
        return found;
    }
};

ScheduledPlay playing(Player& player, CMIDIOUT& out, std::uint64_t lookAhead = kLookAheadMs) {
    return ScheduledPlay([&player, &out](bool first) { return first ? player.start(out) : player.tick(out); },
                         lookAhead);
}

// A start-up list and a section whose notes move channel and key at every
// event, uneven gaps, a system-exclusive message among them.
std::vector<MidiEvent> startupList() {
    const std::uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    return {MidiEvent::longEvent(0, 0, 0xF0, gmOn), MidiEvent::shortEvent(3, 3, 0xC1, 5, 0)};
}
std::vector<MidiEvent> unevenSection() {
    std::vector<MidiEvent> events;
    std::uint64_t tick = 0;
    for (std::uint8_t i = 0; i < 30; ++i) {
        const std::uint32_t gap = i == 0 ? 0 : 1u + (i * 7u) % 11u;
        tick += gap;
        events.push_back(MidiEvent::shortEvent(gap, tick, static_cast<std::uint8_t>(0x90 | i % 3), 40 + i, 90));
    }
    return events;
}

}  // namespace

TEST(ScheduledPlay, StampsEachMessageWithTheMillisecondTheTimedPlayerSendsItAtOverLoopsAndStartUpLists) {
    PlayerControls controls;
    controls.initEveryLoop = true;
    // The timed player, one step a millisecond, stamped by its step count.
    std::uint64_t step = 0;
    auto timedPort = std::make_shared<RecordingPort>();
    timedPort->setClock([&step] { return step; });
    CMIDIOUT timedOut([timedPort] { return PortList{timedPort}; });
    timedOut.SetActive(true);
    Player timed(startupList(), unevenSection(), kMsTicks, controls);
    timed.start(timedOut);
    for (step = 1; step <= 700; ++step) timed.tick(timedOut);
    std::vector<std::pair<Bytes, std::uint64_t>> expected;
    for (const auto& e : timedPort->entries())
        if (e.kind == Kind::Send) expected.emplace_back(e.bytes, e.at);

    // The same run scheduled, its thread waking at uneven moments up to a
    // whole look-ahead late: every message gets the same millisecond after
    // the run's start, and is sent before it is due.
    ScheduledRig rig;
    rig.controls.initEveryLoop = true;
    Player player(startupList(), unevenSection(), kMsTicks, rig.controls);
    auto play = playing(player, rig.out);
    play.advance(rig.out);
    const std::uint64_t origin = *play.origin();
    EXPECT_EQ(origin, 1000 + kLookAheadMs);
    for (std::uint64_t wait = 1; rig.clock < origin + 700 - kLookAheadMs; wait = wait % 28 + 13) {
        rig.clock += wait;
        play.advance(rig.out);
    }
    std::vector<std::pair<Bytes, std::uint64_t>> got;
    for (const auto& e : rig.sends()) {
        ASSERT_TRUE(e.due.has_value());
        EXPECT_GE(*e.due, e.at);
        if (*e.due <= origin + 700) got.emplace_back(e.bytes, *e.due - origin);
    }
    ASSERT_GT(expected.size(), 60u);  // the start-up list and the section, twice at least
    EXPECT_EQ(got, expected);
}

TEST(ScheduledPlay, ThePositionTheHeardTickAndTheEndFollowThePortsClockNotTheSteps) {
    ScheduledRig rig;
    rig.controls.loop = false;
    Player player({}, {MidiEvent::shortEvent(0, 0, 0x90, 60, 100), MidiEvent::shortEvent(120, 120, 0x80, 60, 0)},
                  kMsTicks, rig.controls);
    auto play = playing(player, rig.out);
    auto heard = play.advance(rig.out);
    EXPECT_TRUE(heard.positions.empty());  // the first step sounds a look-ahead later
    EXPECT_EQ(player.runMs(), 0u);
    const std::uint64_t origin = *play.origin();

    rig.clock = origin + 30;
    heard = play.advance(rig.out);
    ASSERT_EQ(heard.positions.size(), 1u);  // the display of millisecond 0
    EXPECT_EQ(heard.positions[0].tick, 0u);
    EXPECT_EQ(play.heardTick(), 30u);
    rig.clock = origin + 55;
    heard = play.advance(rig.out);
    ASSERT_EQ(heard.positions.size(), 1u);  // that of millisecond 50, scheduled 40 ms before
    EXPECT_EQ(heard.positions[0].tick, 50u);
    EXPECT_EQ(play.heardTick(), 55u);
    EXPECT_FALSE(heard.finished);

    rig.clock = origin + 90;
    play.advance(rig.out);
    rig.clock = origin + 119;  // every step is scheduled, the last not heard yet
    EXPECT_FALSE(play.advance(rig.out).finished);
    EXPECT_EQ(play.heardTick(), 119u);
    rig.clock = origin + 120;
    heard = play.advance(rig.out);
    EXPECT_TRUE(heard.finished);
    EXPECT_EQ(play.heardTick(), 120u);
    // Nothing is stepped after the end.
    const auto sent = rig.sends().size();
    rig.clock += 500;
    EXPECT_FALSE(play.advance(rig.out).finished);
    EXPECT_EQ(rig.sends().size(), sent);
}

TEST(ScheduledPlay, AChannelSwitchedOffLosesWhatWasSentAheadAndIsSilencedAtOnce) {
    ScheduledRig rig;
    std::vector<MidiEvent> section;
    for (std::uint64_t t = 0; t < 200; t += 2) {
        section.push_back(MidiEvent::shortEvent(t ? 1 : 0, t, 0x90, 60, 100));
        section.push_back(MidiEvent::shortEvent(0, t, 0x91, 62, 100));
        section.push_back(MidiEvent::shortEvent(1, t + 1, 0x81, 62, 0));
    }
    Player player({}, section, kMsTicks, rig.controls);
    auto play = playing(player, rig.out);
    play.advance(rig.out);
    const std::uint64_t origin = *play.origin();
    rig.clock = origin + 20;
    play.advance(rig.out);  // scheduled up to origin + 60

    rig.controls.setChannel(1, false);
    rig.clock = origin + 25;
    play.advance(rig.out);
    const auto entries = rig.port->entries();
    std::size_t withdrawal = 0;
    while (withdrawal < entries.size() && entries[withdrawal].kind != Kind::Withdraw) ++withdrawal;
    ASSERT_LT(withdrawal + 1, entries.size());
    EXPECT_EQ(entries[withdrawal].channels, 0x0002);
    // All Notes Off on channel 2 right after, unstamped: it plays at once.
    EXPECT_EQ(entries[withdrawal + 1].bytes, (Bytes{0xB1, 123, 0}));
    EXPECT_FALSE(entries[withdrawal + 1].due.has_value());
    int heardBefore = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (e.kind != Kind::Send || !e.due || (e.bytes[0] & 0x0F) != 1) continue;
        // Before the switch: what had sounded stays, what had not is withdrawn.
        ASSERT_LT(i, withdrawal) << "channel 2 was scheduled after it was switched off";
        EXPECT_EQ(e.withdrawn, *e.due > origin + 25) << *e.due - origin;
        heardBefore += e.withdrawn ? 0 : 1;
    }
    EXPECT_GT(heardBefore, 10);
    // Channel 1 plays on without a gap.
    std::uint64_t last = 0;
    for (const auto& e : rig.sends())
        if (e.due && e.bytes[0] == 0x90) {
            EXPECT_FALSE(e.withdrawn);
            last = *e.due;
        }
    EXPECT_EQ(last, origin + 25 + kLookAheadMs - 1);
}

TEST(ScheduledPlay, TheLookAheadIsAFewTensOfMillisecondsAndAtMostAQuarterBar) {
    EXPECT_EQ(lookAheadMs({480, 500000, 4}), kLookAheadMs);
    EXPECT_EQ(lookAheadMs({480, 20000, 2}), 10u);   // a 40 ms bar
    EXPECT_EQ(lookAheadMs({480, 1000, 1}), kPeriodMs);  // never below one step
    EXPECT_EQ(lookAheadMs({480, 500000, 0}), kLookAheadMs);  // numerator 0 counts as 4
}

TEST(ScheduledPlay, AClockThatJumpedAheadMovesTheRunOnInsteadOfSendingTheMissedStepsLate) {
    ScheduledRig rig;
    Player player({}, unevenSection(), kMsTicks, rig.controls);
    auto play = playing(player, rig.out);
    play.advance(rig.out);
    const auto before = rig.sends().size();
    const auto runMs = player.runMs();
    rig.clock += 10000;  // the machine slept
    play.advance(rig.out);
    const auto sends = rig.sends();
    for (std::size_t i = before; i < sends.size(); ++i) EXPECT_GE(*sends[i].due, rig.clock);
    // The player went on from where it was, one look-ahead's worth.
    EXPECT_EQ(player.runMs(), runMs + kLookAheadMs + 1);
}

TEST(ScheduledPlay, BarsAreTakenOnlyALookAheadEarlySoAChangeMadeBeforeThenIsHeardOnTheBarLine) {
    ScheduledRig rig;
    BarQueue queue;
    auto bar = [](std::uint64_t index, std::uint8_t note) {
        Bar b{index, index * 100, index * 100 + 100, {}};
        b.events.push_back(MidiEvent::shortEvent(0, b.start, 0x90, note, 100));
        b.events.push_back(MidiEvent::shortEvent(50, b.start + 50, 0x80, note, 0));
        return b;
    };
    queue.push(bar(0, 60));
    queue.push(bar(1, 62));
    BarPlayer player({}, queue, kMsTicks, rig.controls);
    ScheduledPlay play([&](bool first) { return first ? player.start(rig.out) : player.tick(rig.out); },
                       kLookAheadMs);
    play.advance(rig.out);
    const std::uint64_t origin = *play.origin();
    rig.clock = origin + 100 - kLookAheadMs - 1;  // bar 1 starts just after the look-ahead
    play.advance(rig.out);
    EXPECT_EQ(queue.taken(), 1u);
    // A chord change now: bar 1 is computed again.
    ASSERT_EQ(queue.withdraw().size(), 1u);
    queue.push(bar(1, 64));
    queue.push(bar(2, 65));
    while (rig.clock < origin + 230) {
        rig.clock += 10;
        play.advance(rig.out);
    }
    EXPECT_EQ(queue.taken(), 3u);
    std::vector<std::pair<Bytes, std::uint64_t>> notes;
    for (const auto& e : rig.sends()) notes.emplace_back(e.bytes, *e.due - origin);
    const std::vector<std::pair<Bytes, std::uint64_t>> expected{
        {{0x90, 60, 100}, 0},  {{0x80, 60, 0}, 50},  {{0x90, 64, 100}, 100},
        {{0x80, 64, 0}, 150},  {{0x90, 65, 100}, 200}, {{0x80, 65, 0}, 250}};
    EXPECT_EQ(notes, expected);
}
