#include <gtest/gtest.h>

#include "play_document.h"
#include "playback/collect_events.h"

using namespace playback;

namespace {

using Bytes = std::vector<std::uint8_t>;

// What a list would send, with each event's tick and delta.
struct Played {
    std::uint64_t tick;
    std::uint32_t delta;
    Bytes bytes;
    friend bool operator==(const Played&, const Played&) = default;
};

std::vector<Played> played(const std::vector<MidiEvent>& list) {
    std::vector<Played> out;
    for (const auto& e : list) {
        Bytes bytes = e.data;
        if (!e.isLong())
            bytes = {static_cast<std::uint8_t>(e.message), static_cast<std::uint8_t>(e.message >> 8),
                     static_cast<std::uint8_t>(e.message >> 16)};
        out.push_back({e.tick, e.delta, bytes});
    }
    return out;
}

Bytes longSysex() {
    Bytes data(5000, 0x21);
    data[0] = 0x43;
    data.back() = 0xF7;
    return data;
}

// A start-up part between "SFF1" and "SInt", "Main A" with a long system
// exclusive message and an "SInt" inside it, "Main B", and "Main A" again.
document::Document style() {
    document::TrackBuilder t;
    t.text(0, 0x03, "Song")
        .tempo(0, 500000)
        .text(10, 0x06, "SFF1")
        .sysex(5, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
        .text(7, 0x06, "SInt")
        .event(3, {0xB0, 0x07, 0x64})
        .event(0, {0xC1, 0x05})
        .meta(2, 0x58, {4, 2, 24, 8})
        .text(20, 0x06, "Main A")
        .event(0, {0x90, 0x3C, 0x64})
        .sysex(10, longSysex())
        .event(5, {0xF7, 0x02, 0x43, 0x10})
        .text(0, 0x01, "a text")
        .event(465, {0x80, 0x3C, 0x00})
        .text(30, 0x06, "SInt")
        .event(10, {0x91, 0x40, 0x50})
        .text(100, 0x06, "Main B")
        .event(0, {0x92, 0x40, 0x50})
        .text(0, 0x06, "Main A")
        .event(0, {0x93, 0x01, 0x01})
        .end(0);
    return testing_support::readTrack(t);
}

}  // namespace

TEST(CollectEvents, StartUpPartPassesOverSff1AndSIntWithoutTheirTicks) {
    const auto doc = style();
    std::vector<MidiEvent> startup;
    CollectEvents(startup, doc.events, std::nullopt);
    EXPECT_EQ(played(startup), (std::vector<Played>{{5, 5, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}},
                                                    {8, 3, {0xB0, 0x07, 0x64}},
                                                    {8, 0, {0xC1, 0x05, 0x00}}}));
    EXPECT_EQ(startup[0].message, 0xF0u);
    EXPECT_EQ(startup[2].message, packMessage(0xC1, 0x05, 0));
}

TEST(CollectEvents, ASectionFromItsFirstMarkerToTheNextWithLongSystemExclusiveWhole) {
    const auto doc = style();
    std::vector<MidiEvent> main;
    CollectEvents(main, doc.events, "Main A");
    Bytes sysex = {0xF0};
    for (auto b : longSysex()) sysex.push_back(b);
    ASSERT_EQ(sysex.size(), 5001u);
    // The meta event's Tick+ counts, the inner "SInt" marker's does not; the
    // second "Main A" is never reached.
    EXPECT_EQ(played(main), (std::vector<Played>{{0, 0, {0x90, 0x3C, 0x64}},
                                                 {10, 10, sysex},
                                                 {15, 5, {0x43, 0x10}},
                                                 {480, 465, {0x80, 0x3C, 0x00}},
                                                 {490, 10, {0x91, 0x40, 0x50}}}));
    EXPECT_EQ(main[2].message, 0xF7u);

    // Appends; a name matches exactly or not at all.
    CollectEvents(main, doc.events, "Main B");
    EXPECT_EQ(main.size(), 6u);
    EXPECT_EQ(main.back().message, packMessage(0x92, 0x40, 0x50));
    CollectEvents(main, doc.events, "main b");
    CollectEvents(main, doc.events, "Main");
    EXPECT_EQ(main.size(), 6u);
}

// An SFF2 style opens with "SFF2" where an SFF1 style has "SFF1": its
// set-up part is played the same way, and "SFF2" ends no section.
TEST(CollectEvents, AnSff2StyleHasTheSameSetUpPartAndSections) {
    document::TrackBuilder t;
    t.tempo(0, 500000)
        .text(0, 0x06, "SFF2")
        .sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
        .event(4, {0xC8, 0x30})
        .text(4, 0x06, "SInt")
        .event(2, {0xB9, 0x00, 0x7F})
        .text(1910, 0x06, "Main A")
        .event(0, {0x99, 0x24, 0x64})
        .event(480, {0x89, 0x24, 0x00})
        .text(1440, 0x06, "SFF2")
        .event(0, {0x98, 0x30, 0x40})
        .text(0, 0x06, "Fill In AA")
        .event(0, {0x9A, 0x30, 0x40})
        .end(0);
    const auto doc = testing_support::readTrack(t);
    std::vector<MidiEvent> startup;
    CollectEvents(startup, doc.events, std::nullopt);
    EXPECT_EQ(played(startup), (std::vector<Played>{{0, 0, {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}},
                                                    {4, 4, {0xC8, 0x30, 0x00}},
                                                    {6, 2, {0xB9, 0x00, 0x7F}}}));
    std::vector<MidiEvent> main;
    CollectEvents(main, doc.events, "Main A");
    EXPECT_EQ(played(main), (std::vector<Played>{{0, 0, {0x99, 0x24, 0x64}},
                                                 {480, 480, {0x89, 0x24, 0x00}},
                                                 {480, 0, {0x98, 0x30, 0x40}}}));
}

TEST(LoopLength, PadsToTheBarLineBelowTheRoundedUpBeatsOnly) {
    auto list = [](std::uint64_t lastTick, std::uint32_t lastDelta) {
        return std::vector<MidiEvent>{MidiEvent::shortEvent(0, 0, 0x90, 60, 100),
                                       MidiEvent::shortEvent(lastDelta, lastTick, 0x80, 60, 0)};
    };
    // 3.5 beats at 4/4: one bar.
    auto section = list(1680, 80);
    EXPECT_EQ(loopLength(section), 1680u);
    padToBar(section, 480, 4);
    ASSERT_EQ(section.size(), 3u);
    EXPECT_EQ(section.back().tick, 1920u);
    EXPECT_EQ(section.back().delta, 240u);
    EXPECT_EQ(section.back().message, 0u);
    // A numerator of 0 counts as 4.
    section = list(1680, 80);
    padToBar(section, 480, 0);
    EXPECT_EQ(section.back().tick, 1920u);
    // 6.5 beats: 7 beats make one whole bar of 4 and the rest is dropped, so
    // the bar line lies before the last event and nothing is added.
    section = list(3120, 120);
    padToBar(section, 480, 4);
    EXPECT_EQ(section.size(), 2u);
    // A last event 10 ticks before the bar line (the demo's pad notes): the
    // repetition still waits for the bar line.
    section = list(1910, 10);
    padToBar(section, 480, 4);
    ASSERT_EQ(section.size(), 3u);
    EXPECT_EQ(section.back().tick, 1920u);
    // A last event on the bar line needs nothing, however long its gap.
    section = list(1920, 1920);
    padToBar(section, 480, 4);
    EXPECT_EQ(section.size(), 2u);
    // 2.5 beats at 3/4 pad to three beats.
    section = list(1200, 100);
    padToBar(section, 480, 3);
    EXPECT_EQ(section.back().tick, 1440u);
    // Nothing to pad without events or without a division.
    std::vector<MidiEvent> none;
    padToBar(none, 480, 4);
    EXPECT_TRUE(none.empty());
    section = list(1680, 80);
    padToBar(section, 0, 4);
    EXPECT_EQ(section.size(), 2u);
}
