#include <gtest/gtest.h>

#include "names/instrument_overview.h"
#include "support/temp_dir.h"

using document::ColData;
using document::ColEvent;

namespace {

void add(document::EventList& events, std::string_view event, std::string_view data) {
    auto& row = events.trailing();
    row.setCell(ColEvent, event);
    row.setCell(ColData, data);
    events.appendRow();
}

// SFF1, SInt, setup on channels 1 and 10, then Main A with its own program on channel 1.
document::EventList style() {
    document::EventList events;
    add(events, "FF 06 ", "SFF1");               // 1
    add(events, "B0 ", "00 08 ");                // 2
    add(events, "B0 ", "20 01 ");                // 3
    add(events, "C0 ", "04 ");                   // 4
    add(events, "FF 06 ", "SInt");               // 5
    add(events, "B9 ", "00 7F ");                // 6
    add(events, "C9 ", "19 ");                   // 7
    add(events, "99 ", "24 64 ");                // 8
    add(events, "FF 06 ", "Main A");             // 9
    add(events, "C0 ", "30 ");                   // 10
    add(events, "90 ", "3C 64 ");                // 11
    add(events, "90 ", "3C 00 ");                // 12
    add(events, "C1 ", "");                      // 13: no data byte
    add(events, "FF 06 ", "Fill In AA");         // 14
    add(events, "C2 ", "05 ");                   // 15
    return events;
}

}  // namespace

TEST(InstrumentOverview, ScansOneSectionPerMarker) {
    const auto events = style();
    const auto start = names::scanSection(events, "SFF1");
    EXPECT_EQ(start[0].used, 1);
    EXPECT_EQ(start[0].bank(), 8 * 128 + 1);
    EXPECT_EQ(start[0].program, 4);
    EXPECT_EQ(start[0].programRow, 4u);
    EXPECT_EQ(start[0].bankMsbRow, 2u);
    EXPECT_EQ(start[0].bankLsbRow, 3u);
    EXPECT_EQ(start[9].bank(), 16256);  // SInt is passed over, Main A ends the scan
    EXPECT_EQ(start[9].noteOns, 1u);
    EXPECT_EQ(start[0].noteOns, 0u);

    const auto main = names::scanSection(events, "Main A");
    EXPECT_EQ(main[0].program, 0x30);
    EXPECT_EQ(main[0].bank(), 0);
    EXPECT_EQ(main[0].noteOns, 2u);
    EXPECT_EQ(main[1].used, 0);   // a program change without its byte
    EXPECT_EQ(main[2].used, 0);   // after the next marker
    EXPECT_EQ(main[9].used, 0);

    const auto none = names::scanSection(events, "Ending B");
    for (const auto& channel : none) EXPECT_EQ(channel.program, 255);
}

TEST(InstrumentOverview, RowsShowBankGroupAndNames) {
    testing_support::TempDir dir;
    auto table = names::scanSection(style(), "SFF1");
    table[3].used = 1;
    table[3].bankMsb = 126;
    table[3].program = 3;
    table[4].used = 1;  // used, but its program is out of range: bank only
    table[4].program = 200;
    names::InstrumentDefinitions gm;
    auto rows = names::overviewRows(table, gm);
    EXPECT_EQ(rows[0].bank, "1025");
    EXPECT_EQ(rows[0].group, "PIANO");
    EXPECT_EQ(rows[0].patch, "Rhodes Piano");
    EXPECT_EQ(rows[9].group, "DRUMS");
    EXPECT_EQ(rows[3].group, "SFX");
    EXPECT_EQ(rows[4].bank, "0");
    EXPECT_EQ(rows[4].group, "");
    EXPECT_EQ(rows[1].bank, "");
    EXPECT_EQ(names::patchColumnTitle("Patch", gm), "Patch GM");

    names::InstrumentDefinitions defs(dir.writeText("kit.ins", ".Instrument Definitions\nPatch[16256]=Kits\n"
                                                           ".Patch Names\n[Kits]\n25=Analog\n"));
    rows = names::overviewRows(table, defs);
    EXPECT_EQ(rows[9].patch, "Analog");
    EXPECT_EQ(rows[9].bankName, "Kits");
    EXPECT_EQ(rows[0].patch, "GM: Rhodes Piano");
    EXPECT_EQ(names::patchColumnTitle("Patch", defs), "Patch kit.ins");
}
