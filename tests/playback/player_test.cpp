#include <gtest/gtest.h>

#include "playback/player.h"
#include "playback/recording_port.h"

using namespace playback;

namespace {

using Bytes = std::vector<std::uint8_t>;

// One tick per millisecond.
constexpr Timing kMsTicks{1000, 1000000, 4};

// A player over a recording port whose clock is the player's own milliseconds.
struct Rig {
    std::shared_ptr<RecordingPort> port = std::make_shared<RecordingPort>();
    CMIDIOUT out{[p = port] { return PortList{p}; }};
    PlayerControls controls;
    std::unique_ptr<Player> player;
    std::vector<std::pair<std::uint64_t, Position>> positions;

    Rig() {
        port->setClock([this] { return player ? player->runMs() : 0; });
        out.SetActive(true);
        port->clear();
    }
    void make(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, Timing timing = kMsTicks) {
        player = std::make_unique<Player>(std::move(startup), std::move(section), timing, controls);
    }
    // Starts and steps until `lastMs` or the end of the run; true when the run ended.
    bool play(std::uint64_t lastMs, const std::function<void(std::uint64_t)>& before = {}) {
        auto step = player->start(out);
        for (;;) {
            if (step.position) positions.emplace_back(player->runMs(), *step.position);
            if (step.finished) return true;
            if (player->runMs() == lastMs) return false;
            if (before) before(player->runMs() + 1);
            step = player->tick(out);
        }
    }
    // (millisecond, bytes) of every message sent.
    std::vector<std::pair<std::uint64_t, Bytes>> sends() const {
        std::vector<std::pair<std::uint64_t, Bytes>> sent;
        for (const auto& e : port->entries())
            if (e.kind == RecordingPort::Kind::Send) sent.emplace_back(e.at, e.bytes);
        return sent;
    }
};

const Bytes kGmOn = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};

std::vector<MidiEvent> startupList() {
    return {MidiEvent::longEvent(0, 0, 0xF0, kGmOn), MidiEvent::shortEvent(0, 0, 0xC1, 5, 0)};
}

// Channel 1 from tick 0 to 20, channel 2 at tick 10, padded to tick 40.
std::vector<MidiEvent> sectionList() {
    return {MidiEvent::shortEvent(0, 0, 0x90, 0x3C, 0x64), MidiEvent::shortEvent(10, 10, 0x91, 0x40, 0x50),
            MidiEvent::shortEvent(10, 20, 0x80, 0x3C, 0x00), MidiEvent::empty(20, 40)};
}

using Sends = std::vector<std::pair<std::uint64_t, Bytes>>;

}  // namespace

TEST(Player, StartUpOnceThenTheSectionLoopsOnItsLengthWithoutDrift) {
    Rig rig;
    rig.make(startupList(), sectionList());
    EXPECT_FALSE(rig.play(95));
    // Each pass restarts at tick 0 one step after the last ended: passes start
    // every 40 ms, whatever the number of passes.
    EXPECT_EQ(rig.sends(), (Sends{{0, kGmOn},
                                  {0, {0xC1, 5}},
                                  {1, {0x90, 0x3C, 0x64}},
                                  {10, {0x91, 0x40, 0x50}},
                                  {20, {0x80, 0x3C, 0x00}},
                                  {41, {0x90, 0x3C, 0x64}},
                                  {50, {0x91, 0x40, 0x50}},
                                  {60, {0x80, 0x3C, 0x00}},
                                  {81, {0x90, 0x3C, 0x64}},
                                  {90, {0x91, 0x40, 0x50}}}));
    EXPECT_EQ(rig.player->sectionPasses(), 2);
}

TEST(Player, WithoutLoopModeTheRunEndsWithTheSection) {
    Rig rig;
    rig.controls.loop = false;
    rig.make(startupList(), sectionList());
    EXPECT_TRUE(rig.play(1000));
    EXPECT_EQ(rig.player->runMs(), 40u);
    EXPECT_EQ(rig.player->sectionPasses(), 1);
    EXPECT_EQ(rig.sends().size(), 5u);
}

TEST(Player, InitEveryLoopReplaysTheStartUpListBeforeEachPass) {
    Rig rig;
    rig.controls.initEveryLoop = true;
    rig.make(startupList(), sectionList());
    rig.play(42);
    EXPECT_EQ(rig.sends(), (Sends{{0, kGmOn},
                                  {0, {0xC1, 5}},
                                  {1, {0x90, 0x3C, 0x64}},
                                  {10, {0x91, 0x40, 0x50}},
                                  {20, {0x80, 0x3C, 0x00}},
                                  {41, kGmOn},
                                  {41, {0xC1, 5}},
                                  {42, {0x90, 0x3C, 0x64}}}));
}

TEST(Player, SwitchedOffChannelsAreSilencedAtOnceButStillGetSystemExclusive) {
    Rig rig;
    rig.controls.setChannel(1, false);  // channel 2 before the start
    rig.make({MidiEvent::longEvent(0, 0, 0xF0, kGmOn), MidiEvent::shortEvent(0, 0, 0xC1, 5, 0)}, sectionList());
    rig.play(45, [&](std::uint64_t ms) {
        if (ms == 6) rig.controls.setChannel(0, false);  // channel 1 while its note sounds
        if (ms == 30) rig.controls.setChannel(0, true);
    });
    EXPECT_EQ(rig.sends(), (Sends{{0, kGmOn}, {1, {0x90, 0x3C, 0x64}}, {6, {0xB0, 123, 0}}, {41, {0x90, 0x3C, 0x64}}}));
}

TEST(Player, TicksAndThePositionDisplay) {
    const Timing t{480, 500000, 4};
    EXPECT_EQ(tickAt(t, 1000), 960u);
    EXPECT_EQ(positionText({960, 0, 0}, 480, false), "00:2:000");
    EXPECT_EQ(positionText({480 * 4 * 12 + 480 * 3 + 7, 0, 0}, 480, false), "12:3:007");
    EXPECT_EQ(positionText({0, 12, 345}, 480, true), "12 (345)");
    EXPECT_EQ(msOfTick(t, 960), 1000u);
    EXPECT_EQ(msOfTick(t, 961), 1002u);
    // No overflow where 32 bits would wrap (about 2.5 hours at 480).
    EXPECT_EQ(tickAt(t, 10'000'000), 9'600'000u);

    // Every 50 ms of elapsed, counted from the start of each list.
    Rig rig;
    rig.make({}, {MidiEvent::shortEvent(0, 0, 0x90, 60, 1), MidiEvent::shortEvent(1920, 1920, 0x80, 60, 0)}, t);
    rig.play(2101);
    ASSERT_GE(rig.positions.size(), 23u);
    EXPECT_EQ(rig.positions[0].first, 0u);
    EXPECT_EQ(rig.positions[1].first, 50u);
    EXPECT_EQ(rig.positions[20].first, 1000u);
    EXPECT_EQ(rig.positions[20].second.tick, 960u);
    EXPECT_EQ(rig.positions[20].second.nextIndex, 1);
    EXPECT_EQ(rig.positions[20].second.sectionCount, 2);
    // The section ends at 2000 ms; the next pass shows 50 ms of it at 2050.
    EXPECT_EQ(rig.positions[41].first, 2050u);
    EXPECT_EQ(rig.positions[41].second.tick, 48u);
}

TEST(Player, RefusesTimingTheClockCannotServe) {
    EXPECT_TRUE(checkTiming({480, 500000, 4}).ok);
    EXPECT_TRUE(checkTiming({1, 1000, 4}).ok);
    const auto noDivision = checkTiming({0, 500000, 4});
    EXPECT_FALSE(noDivision.ok);
    EXPECT_EQ(noDivision.message.text, "The file's division is 0: its ticks have no length, so the player cannot play it.");
    const auto tooFast = checkTiming({480, 999, 4});
    EXPECT_FALSE(tooFast.ok);
    EXPECT_NE(tooFast.message.text.find("999 microseconds"), std::string::npos);

    document::Document doc;
    doc.division = 96;
    const auto t = playerTiming(doc);
    EXPECT_EQ(t.tempo, 600000u);
    EXPECT_EQ(t.barNumerator, 4);
}
