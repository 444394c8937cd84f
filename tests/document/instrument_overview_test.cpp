#include <gtest/gtest.h>

#include "document/instrument_overview.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using testing_support::textMeta;

namespace {

// SFF1, SInt, setup on channels 1 and 10, then Main A with its own program on channel 1.
document::EventList style() {
    return testing_support::listOf({
        {0, textMeta(0x06, "SFF1")},        // 1
        {0, {0xB0, 0x00, 0x08}},            // 2
        {0, {0xB0, 0x20, 0x01}},            // 3
        {0, {0xC0, 0x04}},                  // 4
        {0, textMeta(0x06, "SInt")},        // 5
        {0, {0xB9, 0x00, 0x7F}},            // 6
        {0, {0xC9, 0x19}},                  // 7
        {0, {0x99, 0x24, 0x64}},            // 8
        {0, textMeta(0x06, "Main A")},      // 9
        {0, {0xC0, 0x30}},                  // 10
        {0, {0x90, 0x3C, 0x64}},            // 11
        {0, {0x90, 0x3C, 0x00}},            // 12
        {0, {0xC1}},                        // 13: no data byte
        {0, textMeta(0x06, "Fill In AA")},  // 14
        {0, {0xC2, 0x05}},                  // 15
    });
}

}  // namespace

TEST(InstrumentOverview, ScansOneSectionPerMarker) {
    const auto events = style();
    const auto start = document::scanSection(events, "SFF1");
    EXPECT_EQ(start[0].used, 1);
    EXPECT_EQ(start[0].bank(), 8 * 128 + 1);
    EXPECT_EQ(start[0].program, 4);
    EXPECT_EQ(start[0].programRow, 4u);
    EXPECT_EQ(start[0].bankMsbRow, 2u);
    EXPECT_EQ(start[0].bankLsbRow, 3u);
    EXPECT_EQ(start[9].bank(), 16256);  // SInt is passed over, Main A ends the scan
    EXPECT_EQ(start[9].noteOns, 1u);
    EXPECT_EQ(start[0].noteOns, 0u);

    const auto main = document::scanSection(events, "Main A");
    EXPECT_EQ(main[0].program, 0x30);
    EXPECT_EQ(main[0].bank(), 0);
    EXPECT_EQ(main[0].noteOns, 2u);
    EXPECT_EQ(main[1].used, 0);   // a program change without its byte
    EXPECT_EQ(main[2].used, 0);   // after the next marker
    EXPECT_EQ(main[9].used, 0);

    const auto none = document::scanSection(events, "Ending B");
    for (const auto& channel : none) EXPECT_EQ(channel.program, 255);

    // A style of the newer kind opens with "SFF2": its set-up is read the same way.
    auto sff2 = style();
    sff2.setRow(1, document::eventRow(0, textMeta(0x06, "SFF2")));
    EXPECT_EQ(document::scanSection(sff2, "SFF1")[9].bank(), 16256);
}

TEST(InstrumentOverview, RowsShowBankGroupAndNames) {
    testing_support::TempDir dir;
    auto table = document::scanSection(style(), "SFF1");
    table[3].used = 1;
    table[3].bankMsb = 126;
    table[3].program = 3;
    table[4].used = 1;  // used, but its program is out of range: bank only
    table[4].program = 200;
    names::InstrumentDefinitions gm;
    auto rows = document::overviewRows(table, gm);
    EXPECT_EQ(rows[0].bank, "1025");
    EXPECT_EQ(rows[0].group, "PIANO");
    EXPECT_EQ(rows[0].patch, "Rhodes Piano");
    EXPECT_EQ(rows[9].group, "DRUMS");
    EXPECT_EQ(rows[3].group, "SFX");
    EXPECT_EQ(rows[4].bank, "0");
    EXPECT_EQ(rows[4].group, "");
    EXPECT_EQ(rows[1].bank, "");
    EXPECT_EQ(document::patchColumnTitle("Patch", gm), "Patch GM");

    names::InstrumentDefinitions defs(dir.writeText("kit.ins", ".Instrument Definitions\nPatch[16256]=Kits\n"
                                                           ".Patch Names\n[Kits]\n25=Analog\n"));
    rows = document::overviewRows(table, defs);
    EXPECT_EQ(rows[9].patch, "Analog");
    EXPECT_EQ(rows[9].bankName, "Kits");
    EXPECT_EQ(rows[0].patch, "GM: Rhodes Piano");
    EXPECT_EQ(document::patchColumnTitle("Patch", defs), "Patch kit.ins");
}
