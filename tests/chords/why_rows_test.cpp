#include <gtest/gtest.h>

#include "casm/masks.h"
#include "chord_fixtures.h"
#include "chords/why_rows.h"

using namespace chords_test;
using chords::WhyRow;
using chords::WhyState;

namespace {

std::vector<WhyState> states(const std::vector<WhyRow>& rows) {
    std::vector<WhyState> out;
    for (const auto& r : rows) out.push_back(r.state);
    return out;
}

}  // namespace

TEST(WhyRows, NameTheEntryAndRulesFeedingEachPart) {
    auto other = ctabEntry(0, 0, 0, 0);
    other.section = "Main B";
    auto bass = ctabEntry(10, 11, 0, 1, 3);   // source 11 to 12, Melody, Retrigger
    auto drums = ctabEntry(9, 9, 1, 0, 0);   // Root Fixed, Bypass
    const std::vector<casm::Entry> entries = {other, bass, drums};
    const auto plan = chords::planSection(sectionEvents({{10, 36, 0, 480}, {9, 36, 0, 10}, {3, 60, 0, 480}}),
                                          chords::entriesOf(entries, "Main A"), {}, kDivision);
    const auto rows = chords::whyRows(plan, entries, "Main A", chord("C"));
    ASSERT_EQ(rows.size(), 3u);
    // By destination: drums (10) first, then the bass (12), then the channel without an entry.
    EXPECT_EQ(rows[0].destination, 9);
    EXPECT_EQ(rows[0].entry, 2u);
    EXPECT_EQ(rows[1].destination, 11);
    EXPECT_EQ(rows[1].source, 10);
    EXPECT_EQ(rows[1].entry, 1u);  // its index in the whole list
    EXPECT_EQ(rows[1].section, "Main A");
    EXPECT_EQ(rows[1].rule, chords::ruleText(plan.channels[10]->rulesOf(casm::Zone::Middle)));
    EXPECT_FALSE(rows[1].rule.empty());
    EXPECT_EQ(rows[2].source, 3);
    EXPECT_EQ(rows[2].destination, std::nullopt);
    EXPECT_EQ(states(rows), (std::vector<WhyState>{WhyState::Plays, WhyState::Plays, WhyState::NoEntry}));
}

TEST(WhyRows, TellAChordMuteFromANoteMute) {
    auto e = ctabEntry(0, 0, 0, 0);
    auto chordMask = casm::fullChordMask();
    casm::setBit(chordMask, 10, false);  // min7
    casm::storeChordMask(e, chordMask);
    auto noteMask = casm::fullNoteMask();
    casm::setBit(noteMask, 5, false);  // F
    casm::storeNoteMask(e, noteMask);
    const std::vector<casm::Entry> entries = {e};
    const auto plan = chords::planSection(sectionEvents({{0, 60, 0, 480}}), entries, {}, kDivision);
    auto stateOver = [&](std::string_view symbol) { return chords::whyRows(plan, entries, "Main A", chord(symbol))[0].state; };
    EXPECT_EQ(stateOver("C"), WhyState::Plays);
    EXPECT_EQ(stateOver("Am7"), WhyState::ChordMute);
    EXPECT_EQ(stateOver("F"), WhyState::NoteMute);
    EXPECT_EQ(stateOver("Fm7"), WhyState::ChordMute);  // the chord mute is checked first
    EXPECT_EQ(stateOver("N.C."), WhyState::NoChord);
    EXPECT_EQ(chords::whyStateText(WhyState::NoteMute), "silent: note mute");
}

TEST(WhyRows, ListEachZoneAnSff2ChannelPlays) {
    casm::Entry e = casm::unmutedEntry(casm::TableKind::Ctb2);
    e.section = "Main A";
    e[casm::ChordType] = 2;
    e[casm::MiddleLow] = 53;
    e[casm::MiddleHigh] = 127;
    e.setRule(casm::Zone::Low, casm::Rule::NTT, 1);
    const std::vector<casm::Entry> entries = {e};
    const auto plan =
        chords::planSection(sectionEvents({{0, 48, 0, 480}, {0, 60, 0, 480}, {0, 62, 480, 960}}), entries, {}, kDivision);
    const auto rows = chords::whyRows(plan, entries, "Main A", chord("C"));
    ASSERT_EQ(rows.size(), 2u);  // no note is in the high zone
    EXPECT_EQ(rows[0].zone, casm::Zone::Low);
    EXPECT_EQ(rows[1].zone, casm::Zone::Middle);
    EXPECT_NE(rows[0].rule, rows[1].rule);
}
