#include <gtest/gtest.h>

#include <map>

#include "chord_fixtures.h"
#include "chords/bar_feeder.h"
#include "chords/section_flow.h"

using namespace chords_test;
using chords::BarFeeder;
using chords::FedBar;

namespace {

constexpr int kTrans = 0, kFixed = 1, kBypass = 0, kChordTable = 2;

// Sections of one bar each on source channel 0 (destination 0).
const std::map<std::string, std::vector<Note>> kSections = {
    {"Intro A", {{0, 48, 0, 480}}},
    {"Main A", {{0, 60, 0, 480}, {0, 64, 960, 1920}}},
    {"Main B", {{0, 67, 0, 1920}}},
    {"Fill In BB", {{0, 72, 0, 480}}},
    {"Ending A", {{0, 36, 0, 480}}},
};
const std::vector<std::string> kOrder = {"Intro A", "Main A", "Main B", "Fill In BB", "Ending A"};

std::shared_ptr<const chords::SectionPlans> plans(int ntr = kTrans, int ntt = kBypass) {
    auto out = std::make_shared<chords::SectionPlans>();
    for (const auto& [name, notes] : kSections) {
        auto entry = ctabEntry(0, 0, ntr, ntt);
        entry.section = name;
        out->emplace(name, chords::planSection(sectionEvents(notes), std::vector{entry}, {}, kDivision));
    }
    return out;
}

chords::ChordChoice choice(std::string_view text, bool loop = true) { return {progression(text), {}, loop}; }

BarFeeder feeder(std::string_view text = "C") {
    BarFeeder f(kOrder, {}, kDivision);
    f.setPlans(plans());
    f.setChords(choice(text));
    return f;
}

struct Sent {
    std::uint64_t tick;
    bool on;
    int note;
    friend bool operator==(const Sent&, const Sent&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Sent& s) {
        return os << (s.on ? "on " : "off ") << s.note << "@" << s.tick;
    }
};

std::vector<Sent> sent(const FedBar& bar) {
    std::vector<Sent> out;
    for (const auto& e : bar.bar.events) {
        const int kind = e.message & 0xF0;
        if (kind == 0x90) out.push_back({e.tick, true, static_cast<int>(e.message >> 8 & 0x7F)});
        if (kind == 0x80) out.push_back({e.tick, false, static_cast<int>(e.message >> 8 & 0x7F)});
    }
    return out;
}

std::vector<int> onsOf(const FedBar& bar) {
    std::vector<int> out;
    for (const auto& s : sent(bar))
        if (s.on) out.push_back(s.note);
    return out;
}

FedBar next(BarFeeder& f) {
    auto bar = f.next();
    EXPECT_TRUE(bar.has_value());
    return bar ? *bar : FedBar{};
}

}  // namespace

TEST(BarFeeder, PlaysEachBarOverItsChordsAndLoopsTheProgression) {
    auto f = feeder("C | F");
    ASSERT_FALSE(f.start("Main A"));
    const auto b0 = next(f), b1 = next(f), b2 = next(f);
    EXPECT_EQ(sent(b0), (std::vector<Sent>{{0, true, 60}, {480, false, 60}, {960, true, 64}, {1920, false, 64}}));
    EXPECT_EQ(onsOf(b1), (std::vector<int>{65, 69}));
    EXPECT_EQ(onsOf(b2), (std::vector<int>{60, 64}));  // the progression starts over
    EXPECT_EQ(b1.bar.start, kBar);
    EXPECT_EQ(b1.bar.end, 2 * kBar);
    EXPECT_EQ(b1.bar.index, 1u);
    ASSERT_EQ(b1.chords.size(), 1u);
    EXPECT_EQ(b1.chords[0].symbol, "F");
    // Events are in tick order with deltas from the bar's start.
    EXPECT_EQ(b1.bar.events.front().delta, 0u);
}

TEST(BarFeeder, ChordsChangingInsideABarSplitIt) {
    auto f = feeder("C:2 F:2");
    ASSERT_FALSE(f.start("Main A"));
    const auto bar = next(f);
    ASSERT_EQ(bar.chords.size(), 2u);
    EXPECT_EQ(bar.chords[1].start, kBar / 2);
    EXPECT_EQ(onsOf(bar), (std::vector<int>{60, 69}));  // 64 over F is 69
}

TEST(BarFeeder, AChangeReachesTheNextBarLineEvenWhenBarsWereComputedAhead) {
    auto f = feeder("C");
    ASSERT_FALSE(f.start("Main A"));
    next(f);
    next(f);
    next(f);  // bars 1 and 2 computed ahead, not played
    f.setChords({{}, chord("F"), true});
    f.rewindTo(1);
    const auto b1 = next(f);
    EXPECT_EQ(b1.bar.index, 1u);
    EXPECT_EQ(onsOf(b1), (std::vector<int>{65, 69}));
    // Without a rewind the change waits for the next bar computed.
    f.setChords({{}, chord("G"), true});
    EXPECT_EQ(onsOf(next(f)), (std::vector<int>{67, 71}));
}

TEST(BarFeeder, ANewProgressionStartsAtTheBarItArrivesIn) {
    auto f = feeder("C");
    ASSERT_FALSE(f.start("Main A"));
    next(f);
    f.setChords(choice("F | G"));
    EXPECT_EQ(onsOf(next(f)), (std::vector<int>{65, 69}));
    EXPECT_EQ(onsOf(next(f)), (std::vector<int>{67, 71}));
}

TEST(BarFeeder, ACasmEditTakesEffectAtTheNextBarAndEndsNotesSoundingThere) {
    BarFeeder f(kOrder, {}, kDivision);
    f.setPlans(plans());
    f.setChords({{}, chord("F"), true});
    ASSERT_FALSE(f.start("Main B"));  // 67 held over the whole bar, every bar
    // Root Trans, Bypass: 67 over F is 72.
    EXPECT_EQ(sent(next(f)), (std::vector<Sent>{{0, true, 72}, {kBar, false, 72}}));
    f.setPlans(plans(kFixed, kChordTable));
    // Root Fixed, Chord table: 67 over F is 69.
    EXPECT_EQ(sent(next(f)), (std::vector<Sent>{{kBar, true, 69}, {2 * kBar, false, 69}}));
    // A rewound bar recomputes with the plans as they are now.
    f.setPlans(plans());
    f.rewindTo(1);
    EXPECT_EQ(onsOf(next(f)), (std::vector<int>{72}));
}

TEST(BarFeeder, NotesHeldAcrossABarLineAreSentOnceAndEndedOnce) {
    const std::vector<Note> notes = {{0, 60, 960, 2 * kBar + 600}};
    auto entry = ctabEntry(0, 0, kTrans, kBypass);
    auto p = std::make_shared<chords::SectionPlans>();
    p->emplace("Main A", chords::planSection(sectionEvents(notes), std::vector{entry}, {}, kDivision));
    BarFeeder f({"Main A"}, {}, kDivision);
    f.setPlans(p);
    f.setChords(choice("C"));
    ASSERT_FALSE(f.start("Main A"));
    const auto b0 = next(f), b1 = next(f), b2 = next(f);
    EXPECT_EQ(sent(b0), (std::vector<Sent>{{960, true, 60}}));
    EXPECT_TRUE(sent(b1).empty());
    // The section is three bars long; its note ends in the third.
    EXPECT_EQ(sent(b2), (std::vector<Sent>{{2 * kBar + 600, false, 60}}));
    // Choosing the main section that plays changes nothing, not even the held note.
    f.rewindTo(1);
    ASSERT_TRUE(f.chooseSection("Main A"));
    EXPECT_TRUE(sent(next(f)).empty());
}

TEST(BarFeeder, SectionsSwitchAtTheNextBarLine) {
    auto f = feeder("C");
    ASSERT_FALSE(f.start("Main A"));
    next(f);
    EXPECT_FALSE(f.chooseSection("Main Z"));
    ASSERT_TRUE(f.chooseSection("Main B"));
    const auto b1 = next(f);
    EXPECT_EQ(b1.section, "Main B");
    EXPECT_EQ(sent(b1), (std::vector<Sent>{{kBar, true, 67}, {2 * kBar, false, 67}}));
}

TEST(BarFeeder, AFillReturnsToItsMainAnIntroGoesToMainAAndAnEndingStops) {
    auto f = feeder("C");
    ASSERT_FALSE(f.start("Intro A"));
    std::vector<std::string> played;
    for (int i = 0; i < 3; ++i) played.push_back(next(f).section);
    ASSERT_TRUE(f.chooseSection("Fill In BB"));
    for (int i = 0; i < 3; ++i) played.push_back(next(f).section);
    ASSERT_TRUE(f.chooseSection("Ending A"));
    played.push_back(next(f).section);
    EXPECT_EQ(played, (std::vector<std::string>{"Intro A", "Main A", "Main A", "Fill In BB", "Main B", "Main B",
                                                "Ending A"}));
    // After the ending an empty last bar, then nothing.
    const auto last = next(f);
    EXPECT_EQ(last.bar.start, last.bar.end);
    EXPECT_FALSE(f.next());
    // Rewinding before the end plays on.
    f.rewindTo(6);
    f.chooseSection("Main A");
    EXPECT_EQ(next(f).section, "Main A");
}

TEST(BarFeeder, AProgressionPlayedOnceEndsThePlayAfterItsLastBar) {
    BarFeeder f(kOrder, {}, kDivision);
    f.setPlans(plans());
    f.setChords(choice("C | F", false));
    ASSERT_FALSE(f.start("Main B"));
    next(f);
    next(f);
    const auto closing = next(f);
    EXPECT_EQ(closing.bar.start, closing.bar.end);
    EXPECT_FALSE(f.next());
}

TEST(BarFeeder, RefusesToStartOnAMissingSectionOrWithoutPlans) {
    BarFeeder bare(kOrder, {}, kDivision);
    EXPECT_EQ(bare.start("Main A"), "The style has no section 'Main A' to play.");
    EXPECT_FALSE(bare.chooseSection("Main A"));
    auto f = feeder();
    EXPECT_EQ(f.start("Main Q"), "The style has no section 'Main Q' to play.");
}

TEST(SectionFlow, WhatFollowsEachKindOfSection) {
    const std::vector<std::string> all = {"Intro A", "Main A", "Main B", "Fill In AA", "Fill In BA", "Fill In CC",
                                          "Ending A"};
    EXPECT_EQ(chords::sectionAfter("Main B", "Main B", all), "Main B");
    EXPECT_EQ(chords::sectionAfter("Intro A", "", all), "Main A");
    EXPECT_EQ(chords::sectionAfter("Fill In AA", "Main B", all), "Main A");
    EXPECT_EQ(chords::sectionAfter("Fill In BA", "Main B", all), "Main A");  // the break fill
    EXPECT_EQ(chords::sectionAfter("Fill In CC", "Main B", all), "Main B");  // no Main C: back where it came from
    EXPECT_EQ(chords::sectionAfter("Ending A", "Main A", all), std::nullopt);
    EXPECT_EQ(chords::sectionAfter("Intro A", "", std::vector<std::string>{"Intro A", "Main C"}), "Main C");
    EXPECT_EQ(chords::sectionAfter("Intro A", "", std::vector<std::string>{"Intro A"}), std::nullopt);
    EXPECT_EQ(chords::sectionAfter("Verse", "", all), "Verse");
    EXPECT_EQ(chords::sectionKind("Mainly"), chords::SectionKind::Other);
    EXPECT_TRUE(chords::sectionRepeats("Main D"));
    EXPECT_FALSE(chords::sectionRepeats("Fill In DD"));
}
