#include <gtest/gtest.h>

#include <algorithm>

#include "playback/bar_player.h"
#include "playback/recording_port.h"

using namespace playback;

namespace {

using Bytes = std::vector<std::uint8_t>;

// One tick per millisecond at tempo 1000000; bars of 100 ticks.
constexpr Timing kMsTicks{1000, 1000000, 4};

Bar bar(std::uint64_t index, std::vector<std::pair<std::uint64_t, std::uint8_t>> notes) {
    Bar b{index, index * 100, index * 100 + 100, {}};
    for (auto [tick, key] : notes) b.events.push_back(MidiEvent::shortEvent(0, tick, 0x90, key, 100));
    return b;
}

struct Rig {
    std::shared_ptr<RecordingPort> port = std::make_shared<RecordingPort>();
    CMIDIOUT out{[p = port] { return PortList{p}; }};
    PlayerControls controls;
    BarQueue queue;
    std::unique_ptr<BarPlayer> player;

    explicit Rig(std::vector<MidiEvent> startup = {}) {
        port->setClock([this] { return player ? player->runMs() : 0; });
        out.SetActive(true);
        port->clear();
        player = std::make_unique<BarPlayer>(std::move(startup), queue, kMsTicks, controls);
    }
    // Steps up to `lastMs`, calling `at` before each step; the ms the run finished, if it did.
    std::optional<std::uint64_t> play(std::uint64_t lastMs, const std::function<void(std::uint64_t)>& at = {}) {
        if (at) at(0);
        auto step = player->start(out);
        while (!step.finished) {
            if (player->runMs() == lastMs) return std::nullopt;
            if (at) at(player->runMs() + 1);
            step = player->tick(out);
        }
        return player->runMs();
    }
    // (ms, note) of each note-on.
    std::vector<std::pair<std::uint64_t, int>> notes() const {
        std::vector<std::pair<std::uint64_t, int>> ons;
        for (const auto& e : port->entries())
            if (e.kind == RecordingPort::Kind::Send && e.bytes.size() == 3 && e.bytes[0] == 0x90)
                ons.emplace_back(e.at, e.bytes[1]);
        return ons;
    }
};

}  // namespace

TEST(BarPlayer, PlaysTheStartupListThenTheBarsInTurnAndEndsWhenTheQueueCloses) {
    Rig rig({MidiEvent::shortEvent(0, 0, 0xC0, 1, 0), MidiEvent::empty(20, 20)});
    rig.queue.push(bar(0, {{0, 60}, {50, 62}}));
    rig.queue.push(bar(1, {{100, 64}}));
    rig.queue.close();
    const auto finished = rig.play(1000);
    // Bars count from 0 after the start-up list, which ends at 20 ms.
    EXPECT_EQ(rig.notes(), (std::vector<std::pair<std::uint64_t, int>>{{20, 60}, {70, 62}, {120, 64}}));
    EXPECT_EQ(finished, 220u);
    EXPECT_EQ(rig.queue.taken(), 2u);
}

TEST(BarPlayer, WaitsAtTheBarLineForALateBarInsteadOfRushingIt) {
    Rig rig;
    rig.queue.push(bar(0, {{0, 60}}));
    const auto finished = rig.play(1000, [&](std::uint64_t ms) {
        if (ms == 150) rig.queue.push(bar(1, {{100, 64}, {110, 65}}));
        if (ms == 300) rig.queue.close();
    });
    // Bar 1 was due at 100 ms and came at 150: it starts then, its notes 10 ms apart as written.
    EXPECT_EQ(rig.notes(), (std::vector<std::pair<std::uint64_t, int>>{{0, 60}, {150, 64}, {160, 65}}));
    EXPECT_EQ(finished, 300u);
}

TEST(BarPlayer, ATempoChangeGoesOnFromTheTickReached) {
    Rig rig;
    rig.queue.push(bar(0, {{0, 60}, {50, 62}}));
    rig.queue.push(bar(1, {{100, 64}}));
    rig.queue.close();
    rig.play(1000, [&](std::uint64_t ms) {
        if (ms == 40) rig.controls.tempo = 500000;  // twice as fast
    });
    // Tick 40 at 40 ms, then two ticks a millisecond: tick 50 at 45 ms, 100 at 70 ms.
    EXPECT_EQ(rig.notes(), (std::vector<std::pair<std::uint64_t, int>>{{0, 60}, {45, 62}, {70, 64}}));
}

TEST(BarPlayer, WithdrawnBarsAreNotPlayedAndTheirReplacementsAre) {
    Rig rig;
    rig.queue.push(bar(0, {{0, 60}}));
    rig.queue.push(bar(1, {{100, 61}}));
    rig.play(1000, [&](std::uint64_t ms) {
        if (ms != 50) return;
        const auto back = rig.queue.withdraw();
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0].index, 1u);
        rig.queue.push(bar(1, {{100, 70}}));
        rig.queue.close();
    });
    EXPECT_EQ(rig.notes(), (std::vector<std::pair<std::uint64_t, int>>{{0, 60}, {100, 70}}));
}

TEST(BarPlayer, PartsSwitchedOffOrLeftOutOfASoloAreSilencedAtOnce) {
    EXPECT_EQ(partSwitches(0xFFFF, 0), 0xFFFF);
    EXPECT_EQ(partSwitches(0x00FF, 0x0300), 0x0300);  // a solo wins over a switch
    Rig rig;
    Bar both = bar(0, {{0, 60}});
    both.events.push_back(MidiEvent::shortEvent(0, 50, 0x91, 62, 100));
    rig.queue.push(both);
    rig.queue.close();
    rig.play(1000, [&](std::uint64_t ms) {
        if (ms == 10) rig.controls.channelSwitches = partSwitches(0xFFFF, 1);  // solo channel 1
    });
    EXPECT_EQ(rig.notes(), (std::vector<std::pair<std::uint64_t, int>>{{0, 60}}));
    const auto sent = rig.port->sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), Bytes{0xB1, 123, 0}), sent.end());
}
