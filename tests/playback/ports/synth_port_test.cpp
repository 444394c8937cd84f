// The built-in synthesizer's scheduled path with the real FluidSynth, no
// audio device: the test renders the blocks itself, so the synth's sample
// clock advances only when the test says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "playback/player.h"
#include "playback/ports/synth_port.h"
#include "playback/scheduled_play.h"

using namespace playback;
using namespace playback::ports;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int kBlock = 64;
constexpr Timing kMsTicks{1000, 1000000, 4};  // one tick a millisecond

struct Applied {
    Bytes message;
    std::uint64_t dueMs;
    std::int64_t sample;  // where the block that applied it starts
};

// A synth, a scheduled port over it, and a renderer of whole blocks that
// notes at which sample each scheduled message was applied.
struct SynthRig {
    Synth synth;
    bool made = synth.make();
    std::shared_ptr<SynthPort> port = std::make_shared<SynthPort>(synth, PortTiming::Scheduled);
    CMIDIOUT out{[p = port] { return PortList{p}; }};
    std::int64_t rendered = 0;
    std::vector<Applied> applied;

    SynthRig() {
        EXPECT_TRUE(made);
        port->onApplied([this](std::span<const std::uint8_t> m, std::uint64_t due) {
            applied.push_back({{m.begin(), m.end()}, due, rendered});
        });
        out.SetActive(true);
    }
    void renderBlock() {
        float left[kBlock], right[kBlock];
        fluid_synth_write_float(synth.synth(), kBlock, left, 0, 1, right, 0, 1);
        rendered += kBlock;
    }
    void renderUntilMs(std::uint64_t ms) {
        while (rendered < idealSample(ms)) renderBlock();
    }
    static std::int64_t idealSample(std::uint64_t ms) {
        return static_cast<std::int64_t>(std::ceil(static_cast<double>(ms) * 44.1));
    }
    int voicesOn(int channel) {
        fluid_voice_t* voices[256];
        fluid_synth_get_voicelist(synth.synth(), voices, 256, -1);
        int on = 0;
        for (int i = 0; i < 256 && voices[i]; ++i)
            if (fluid_voice_get_channel(voices[i]) == channel && fluid_voice_is_on(voices[i])) ++on;
        return on;
    }
};

}  // namespace

TEST(SynthPort, EachScheduledMessageIsAppliedInTheFirstBlockThatReachesItsMillisecond) {
    SynthRig rig;
    ASSERT_EQ(rig.port->timing(), PortTiming::Scheduled);
    EXPECT_EQ(rig.port->clockMs(), 0u);
    // Out of order, several in one block, one a block apart, one far on.
    const std::vector<std::uint64_t> due{7, 1, 2, 3, 0, 44, 45, 1000, 13, 14};
    for (std::size_t i = 0; i < due.size(); ++i) {
        const std::uint8_t on[] = {0x90, static_cast<std::uint8_t>(40 + i), 100};
        ASSERT_TRUE(rig.port->sendAt(on, due[i]));
    }
    const std::uint8_t reset[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    ASSERT_TRUE(rig.port->sendAt(reset, 20));
    rig.renderUntilMs(1010);
    EXPECT_GE(rig.port->clockMs(), 1000u);
    ASSERT_EQ(rig.applied.size(), due.size() + 1);
    std::uint64_t last = 0;
    for (const auto& a : rig.applied) {
        const auto late = a.sample - SynthRig::idealSample(a.dueMs);
        EXPECT_GE(late, 0) << a.dueMs;
        EXPECT_LT(late, kBlock) << a.dueMs;
        EXPECT_GE(a.dueMs, last);  // in time order
        last = a.dueMs;
        if (a.message[0] == 0x90) {
            EXPECT_EQ(a.dueMs, due[a.message[1] - 40u]);
        }
    }
    EXPECT_EQ(rig.applied[7].message, Bytes(std::begin(reset), std::end(reset)));
}

TEST(SynthPort, AScheduledSectionLandsOnItsSamplesOverLoopsHoweverLateThePlayerWakes) {
    for (const std::uint64_t wakeEveryMs : {1u, 17u, 35u}) {
        SynthRig rig;
        PlayerControls controls;
        std::vector<MidiEvent> section;
        for (std::uint64_t t = 0; t <= 240; t += 15)  // 16ths of a 240 ms bar, the last the bar line
            section.push_back(MidiEvent::shortEvent(t ? 15 : 0, t, t % 2 ? 0x80 : 0x90, 60, 100));
        Player player({}, section, kMsTicks, controls);
        ScheduledPlay play([&](bool first) { return first ? player.start(rig.out) : player.tick(rig.out); },
                           kLookAheadMs);
        play.advance(rig.out);
        const std::uint64_t origin = *play.origin();
        while (player.sectionPasses() < 3) {
            // The clock reads the start of the last block: at least one more block.
            rig.renderBlock();
            rig.renderUntilMs(rig.port->clockMs() + wakeEveryMs);
            play.advance(rig.out);
        }
        rig.renderUntilMs(origin + 3 * 240 + kLookAheadMs);
        // As the timed player steps: the section starts one step after the
        // (empty) start-up list, each pass 240 ms after the one before, its
        // tick-0 events in the pass's first step.
        std::size_t n = 0;
        for (const auto& a : rig.applied) {
            const std::uint64_t pass = n / section.size(), index = n % section.size();
            if (pass >= 3) break;
            const std::uint64_t ms = origin + pass * 240 + std::max<std::uint64_t>(section[index].tick, 1);
            EXPECT_EQ(a.dueMs, ms) << "wake every " << wakeEveryMs << " ms, event " << n;
            const auto late = a.sample - SynthRig::idealSample(ms);
            EXPECT_TRUE(late >= 0 && late < kBlock) << late << " samples late, event " << n;
            ++n;
        }
        EXPECT_EQ(n, 3 * section.size());
    }
}

TEST(SynthPort, ChannelOffAndStopSilenceWithinOneBlockAndDropWhatWasScheduled) {
    SynthRig rig;
    if (!rig.synth.hasSoundFont()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    // Chords on channels 1 and 2 every 10 ms, scheduled 200 ms ahead.
    for (std::uint64_t ms = 0; ms < 200; ms += 10)
        for (const std::uint8_t channel : {std::uint8_t{0}, std::uint8_t{1}}) {
            const std::uint8_t on[] = {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(50 + ms / 10),
                                       100};
            rig.port->sendAt(on, ms);
        }
    rig.renderUntilMs(55);
    ASSERT_GT(rig.voicesOn(1), 0);
    const auto before = rig.applied.size();

    rig.out.Silence(0x0002);
    rig.renderBlock();
    EXPECT_EQ(rig.voicesOn(1), 0);  // released in the next block
    EXPECT_GT(rig.voicesOn(0), 0);
    rig.renderUntilMs(120);
    for (std::size_t i = before; i < rig.applied.size(); ++i)
        EXPECT_EQ(rig.applied[i].message[0], 0x90) << "channel 2 played after it was switched off";
    EXPECT_GT(rig.applied.size(), before);
    EXPECT_EQ(rig.voicesOn(1), 0);

    // Stop: nothing scheduled plays on, and nothing sounds after one block.
    rig.out.SetActive(false);
    const auto stopped = rig.applied.size();
    rig.renderBlock();
    EXPECT_EQ(fluid_synth_get_active_voice_count(rig.synth.synth()), 0);
    rig.renderUntilMs(300);
    EXPECT_EQ(rig.applied.size(), stopped);
}
