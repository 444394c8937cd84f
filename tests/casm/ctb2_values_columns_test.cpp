#include <gtest/gtest.h>

#include <set>

#include "casm/columns.h"
#include "casm/ctb2_from_ctab.h"
#include "casm/values.h"

using namespace casm;

namespace {

// A Ctb2 entry whose zones differ: low Guitar/Stroke, middle Melody with
// bass, high values beyond the lists.
Entry zonedEntry() {
    Entry e = ctb2FromCtab(newEntry());
    e.section = "Main A";
    e[MiddleLow] = 48;
    e[MiddleHigh] = 59;
    e.setName("Gtr");
    e.setRule(Zone::Low, Rule::NTR, 2);
    e.setRule(Zone::Low, Rule::NTT, 1);
    e.setRule(Zone::Low, Rule::RTR, 5);
    e.setRule(Zone::Middle, Rule::NTT, 0x81);
    e.setRule(Zone::Middle, Rule::HighestKey, 3);
    e.setRule(Zone::High, Rule::NTR, 3);
    e.setRule(Zone::High, Rule::NTT, 11);
    e.setRule(Zone::High, Rule::RTR, 6);
    e.setRule(Zone::High, Rule::LowLimit, 36);
    return e;
}

}  // namespace

TEST(Ctb2Values, NamesFollowTheKindAndReadBack) {
    const Entry e = zonedEntry();
    EXPECT_EQ(ruleText(e, Zone::Low, Rule::NTR), "Guitar");
    EXPECT_EQ(ruleText(e, Zone::Low, Rule::NTT), "Stroke");
    EXPECT_EQ(ruleText(e, Zone::Low, Rule::RTR), "Note Generator");
    EXPECT_EQ(ruleText(e, Zone::Middle, Rule::NTR), "Root Trans");
    EXPECT_EQ(ruleText(e, Zone::Middle, Rule::NTT), "Melody+Bass");
    EXPECT_EQ(ruleText(e, Zone::Middle, Rule::RTR), "Pitch Shift");
    EXPECT_EQ(ruleText(e, Zone::High, Rule::NTR), "-");
    EXPECT_EQ(ruleText(e, Zone::High, Rule::NTT), "-");
    EXPECT_EQ(ruleText(e, Zone::High, Rule::RTR), "-");
    EXPECT_EQ(ruleText(newEntry(), Zone::High, Rule::NTT), "Chord");  // a Ctab entry's one block

    // Every name of each list reads back as its value, in both kinds.
    for (TableKind kind : {TableKind::Ctab, TableKind::Ctb2}) {
        Entry probe = kind == TableKind::Ctb2 ? ctb2FromCtab(newEntry()) : newEntry();
        for (Rule rule : {Rule::NTR, Rule::NTT, Rule::HighestKey, Rule::RTR}) {
            for (int ntr : {0, 2}) {
                for (int value = 0; value < 256; ++value) {
                    probe.setRule(Zone::Middle, Rule::NTR, static_cast<std::uint8_t>(ntr));
                    probe.setRule(Zone::Middle, rule, static_cast<std::uint8_t>(value));
                    const std::string text = ruleText(probe, Zone::Middle, rule);
                    if (text.find('-') == 0 || (rule == Rule::NTR && kind == TableKind::Ctab && value > 1))
                        continue;
                    const auto back = ruleValueFromName(kind, rule, text);
                    ASSERT_TRUE(back) << text;
                    // Guitar NTT names stand for the same numbers as the first three others.
                    EXPECT_EQ(*back, value) << text;
                }
            }
        }
    }
    EXPECT_EQ(ruleValueFromName(TableKind::Ctb2, Rule::NTT, "chord+bass"), 0x82);
    EXPECT_FALSE(ruleValueFromName(TableKind::Ctb2, Rule::NTT, "Bass"));
    EXPECT_FALSE(ruleValueFromName(TableKind::Ctb2, Rule::NTT, "+Bass"));
    EXPECT_EQ(ruleValueFromName(TableKind::Ctab, Rule::NTT, "Bass"), 3);
    EXPECT_EQ(ruleValueFromName(TableKind::Ctab, Rule::RTR, "Retrigger"), 3);
    EXPECT_EQ(ruleValueFromName(TableKind::Ctab, Rule::RTR, "Retriger"), 3);
    EXPECT_FALSE(ruleValueFromName(TableKind::Ctab, Rule::RTR, "Note Generator"));
    EXPECT_FALSE(ruleValueFromName(TableKind::Ctb2, Rule::LowLimit, "C5"));
}

TEST(Ctb2Columns, GridShowsTheSwitchedZoneAndTheExtraColumnsEveryZone) {
    const Entry e = zonedEntry();
    EXPECT_EQ(gridCells(e, 2), (GridCells{"2", "Main A", "1", "Gtr     ", "1", "C", "Maj7", "Root Trans",
                                          "Melody+Bass", "D#", "C0 ", "G10", "Pitch Shift", "None", "None", "", "",
                                          ""}));
    const auto low = gridCells(e, 2, Zone::Low);
    EXPECT_EQ(low[7], "Guitar");
    EXPECT_EQ(low[8], "Stroke");
    EXPECT_EQ(low[12], "Note Generator");
    EXPECT_EQ(ctb2Cells(e), (Ctb2Cells{"C4 ",    "B4 ",         "Guitar",     "Stroke",     "G",   "C0 ", "G10",
                                       "Note Generator", "Root Trans", "Melody+Bass", "D#", "C0 ", "G10",
                                       "Pitch Shift", "-",           "-",          "G",   "C3 ", "G10", "-"}));
    // A Ctab entry fills none of the extra columns and no Ctab rule shows twice.
    for (const auto& cell : ctb2Cells(newEntry())) EXPECT_EQ(cell, "");
    EXPECT_EQ(gridCells(newEntry(), 1, Zone::High)[8], "Chord");
}

TEST(Ctb2Columns, EachColumnEditsItsOwnByte) {
    const Entry ctb2 = zonedEntry();
    const Entry ctab = newEntry();
    // The extra columns cover the middle range and the three zones, each byte once.
    std::set<int> bytes;
    for (const Column& c : ctb2Columns()) {
        EXPECT_FALSE(columnByte(ctab, c, Zone::Middle));
        const auto at = columnByte(ctb2, c, Zone::Low);
        ASSERT_TRUE(at) << c.heading;
        EXPECT_TRUE(bytes.insert(*at).second) << c.heading;
        EXPECT_FALSE(headingText(c).empty());
    }
    EXPECT_EQ(bytes.size(), 20u);
    EXPECT_EQ(*bytes.begin(), MiddleLow);
    EXPECT_EQ(*bytes.rbegin(), HighZone + 5);

    // The grid's rule columns edit the switched zone of a Ctb2 entry, the one block of a Ctab entry.
    const Column& ntt = gridColumns()[8];
    EXPECT_EQ(headingText(ntt), "NTT");
    EXPECT_EQ(columnByte(ctb2, ntt, Zone::High), HighZone + 1);
    EXPECT_EQ(columnByte(ctb2, ntt, Zone::Low), LowZone + 1);
    EXPECT_EQ(columnByte(ctab, ntt, Zone::High), NTT);
    EXPECT_EQ(columnByte(ctb2, gridColumns()[4], Zone::High), MidiChan);
    EXPECT_FALSE(columnByte(ctb2, gridColumns()[13], Zone::High));  // "NMute": a dialog, not a byte
}

TEST(Ctb2FromCtab, KeepsTheMeaningOfEveryRule) {
    Entry ctab = newEntry();
    ctab.section = "Main A";
    ctab.hasCntt = true;
    ctab.cntt = 7;
    ctab.length = 35;
    ctab[34] = 0x55;  // a Ctab tail byte has no place in a Ctb2 entry
    const std::pair<int, int> ntts[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0x81}, {4, 3}, {5, 5}, {9, 9}};
    for (auto [from, to] : ntts) EXPECT_EQ(ctb2Ntt(static_cast<std::uint8_t>(from)), to) << from;
    ctab[NTR] = 5;  // "Fixed" in a Ctab entry
    ctab[NTT] = 3;
    ctab[RTR] = 4;
    const Entry e = ctb2FromCtab(ctab);
    EXPECT_EQ(e.kind(), TableKind::Ctb2);
    EXPECT_TRUE(std::equal(ctab.ctab.begin(), ctab.ctab.begin() + MiddleLow, e.ctab.begin()));
    EXPECT_EQ(e[MiddleLow], 0);
    EXPECT_EQ(e[MiddleHigh], 127);
    for (int z = 0; z < kZoneCount; ++z) {
        const auto zone = static_cast<Zone>(z);
        EXPECT_EQ(ruleText(e, zone, Rule::NTR), "Root Fixed");
        EXPECT_EQ(ruleText(e, zone, Rule::NTT), "Melody+Bass");
        EXPECT_EQ(e.rule(zone, Rule::HighestKey), 7);
        EXPECT_EQ(e.rule(zone, Rule::HighLimit), 127);
        EXPECT_EQ(ruleText(e, zone, Rule::RTR), "Retrigger to Root");
    }
    const std::uint8_t tail[] = {0, 0, 0, 0, 0x80, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(tail), std::end(tail), e.ctab.begin() + unkn40));
    EXPECT_EQ(e.section, "Main A");
    EXPECT_TRUE(e.hasCntt);
    EXPECT_EQ(e.cntt, 7);
}
