#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "playback/player_thread.h"
#include "playback/recording_port.h"

using namespace playback;
using Kind = RecordingPort::Kind;

namespace {

constexpr Timing kMsTicks{1000, 1000000, 4};

// Three notes over 10 ms.
std::vector<MidiEvent> shortSection() {
    return {MidiEvent::shortEvent(0, 0, 0x90, 60, 100), MidiEvent::shortEvent(5, 5, 0x91, 62, 100),
            MidiEvent::shortEvent(5, 10, 0x80, 60, 0)};
}

// Waits, a few milliseconds in practice, for what the player thread reports.
struct Signal {
    std::mutex m;
    std::condition_variable cv;
    int count = 0;
    void raise() {
        std::lock_guard lock(m);
        ++count;
        cv.notify_all();
    }
    bool wait(int atLeast) {
        std::unique_lock lock(m);
        return cv.wait_for(lock, std::chrono::seconds(10), [&] { return count >= atLeast; });
    }
};

struct Rig {
    std::shared_ptr<RecordingPort> port = std::make_shared<RecordingPort>();
    CMIDIOUT out{[p = port] { return PortList{p}; }};
    PlayerControls controls;
    PlayerThread thread{out};
};

// The last `n` entries.
std::vector<std::pair<Kind, std::vector<std::uint8_t>>> tail(const RecordingPort& port, std::size_t n) {
    const auto all = port.entries();
    std::vector<std::pair<Kind, std::vector<std::uint8_t>>> out;
    for (std::size_t i = all.size() - std::min(n, all.size()); i < all.size(); ++i)
        out.emplace_back(all[i].kind, all[i].bytes);
    return out;
}

std::vector<std::pair<Kind, std::vector<std::uint8_t>>> stopSequence() {
    std::vector<std::pair<Kind, std::vector<std::uint8_t>>> out;
    for (std::uint8_t c = 0; c < 16; ++c) out.push_back({Kind::Send, {static_cast<std::uint8_t>(0xB0 | c), 123, 0}});
    out.push_back({Kind::Reset, {}});
    out.push_back({Kind::Close, {}});
    return out;
}

}  // namespace

TEST(PlayerThread, ARunWithoutLoopEndsByItselfAndStopSilencesThenCloses) {
    Rig rig;
    rig.controls.loop = false;
    Signal finished;
    Signal shown;
    ASSERT_TRUE(rig.thread.start({}, shortSection(), kMsTicks, rig.controls,
                                 {[&](const Position&) { shown.raise(); }, [&] { finished.raise(); }}));
    ASSERT_TRUE(finished.wait(1));
    EXPECT_GE(shown.count, 1);
    EXPECT_TRUE(rig.thread.stop());
    EXPECT_FALSE(rig.thread.playing());
    const auto entries = rig.port->entries();
    ASSERT_EQ(entries.size(), 2u + 3u + 18u);
    EXPECT_EQ(entries[0].kind, Kind::Open);
    EXPECT_EQ(entries[1].kind, Kind::Reset);
    EXPECT_EQ(entries[4].bytes, (std::vector<std::uint8_t>{0x80, 60, 0}));
    EXPECT_EQ(tail(*rig.port, 18), stopSequence());
    EXPECT_FALSE(rig.out.opened());
}

TEST(PlayerThread, StoppingALoopEndsTheThreadBeforeThePortCloses) {
    Rig rig;
    Signal sent;
    rig.port->setClock([&] {
        sent.raise();
        return 0;
    });
    ASSERT_TRUE(rig.thread.start({}, shortSection(), kMsTicks, rig.controls, {}));
    ASSERT_TRUE(sent.wait(10));  // open, reset and a few passes
    EXPECT_TRUE(rig.thread.playing());
    rig.thread.stop();
    const auto before = rig.port->entries().size();
    EXPECT_EQ(tail(*rig.port, 18), stopSequence());
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(rig.port->entries().size(), before);  // nothing after the close
    // Stopping again only finds the port closed.
    EXPECT_FALSE(rig.thread.stop());
    EXPECT_EQ(rig.port->entries().size(), before);
}

TEST(PlayerThread, NothingPlaysWithoutTwoEventsAndAClosedPortPlaysSilently) {
    Rig rig;
    EXPECT_FALSE(rig.thread.start({}, {MidiEvent::shortEvent(0, 0, 0x90, 60, 100)}, kMsTicks, rig.controls, {}));
    EXPECT_FALSE(rig.thread.playing());
    EXPECT_TRUE(rig.port->entries().empty());

    // A port that cannot be opened: the run goes on and ends, nothing is sent.
    rig.port->refuseOpen(true);
    rig.controls.loop = false;
    Signal finished;
    ASSERT_TRUE(rig.thread.start({}, shortSection(), kMsTicks, rig.controls, {{}, [&] { finished.raise(); }}));
    ASSERT_TRUE(finished.wait(1));
    rig.thread.stop();
    EXPECT_TRUE(rig.port->entries().empty());
}

TEST(PlayerThread, StoppingAScheduledRunWithdrawsWhatWasSentAheadThenSilencesAndCloses) {
    Rig rig;
    rig.port->setTiming(PortTiming::Scheduled);
    Signal asked;
    const auto start = std::chrono::steady_clock::now();
    rig.port->setClock([&] {
        asked.raise();
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - start)
                                               .count());
    });
    ASSERT_TRUE(rig.thread.start({}, shortSection(), kMsTicks, rig.controls, {}));
    ASSERT_TRUE(asked.wait(20));
    rig.thread.stop();
    const auto entries = rig.port->entries();
    ASSERT_GE(entries.size(), 19u);
    const auto& withdrawal = entries[entries.size() - 19];
    EXPECT_EQ(withdrawal.kind, Kind::Withdraw);
    EXPECT_EQ(withdrawal.channels, 0xFFFF);
    EXPECT_EQ(tail(*rig.port, 18), stopSequence());
    int ahead = 0;
    for (const auto& e : entries) {
        if (e.kind != Kind::Send || !e.due) continue;
        // Whatever had not sounded at the stop is dropped.
        EXPECT_EQ(e.withdrawn, *e.due > withdrawal.at);
        ahead += 1;
    }
    EXPECT_GT(ahead, 0);
    for (std::size_t i = entries.size() - 18; i < entries.size() - 2; ++i) EXPECT_FALSE(entries[i].due.has_value());
}
