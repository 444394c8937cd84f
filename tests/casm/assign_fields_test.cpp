// Rule assignment from FIELD=VALUE texts, over both kinds of entry.
#include <gtest/gtest.h>

#include "casm/assign_fields.h"
#include "casm/ctb2_from_ctab.h"

using namespace casm;

namespace {

Entry ctabEntry(int channel, const char* section) {
    Entry e = newEntry();
    e[MidiChan] = static_cast<std::uint8_t>(channel);
    e.section = section;
    return e;
}

}  // namespace

TEST(CasmAssignFields, NamesNumbersAndNotesOfBothKinds) {
    AssignRequest r;
    EXPECT_TRUE(r.empty());
    EXPECT_FALSE(addAssignField(r, "ntr=Fixed"));
    EXPECT_EQ(r.byKind[0].rules[0], 1);
    EXPECT_FALSE(r.byKind[1].rules[0]);  // a Ctab name only
    ASSERT_EQ(r.skipped.size(), 1u);
    EXPECT_EQ(r.skipped[0].kind, TableKind::Ctb2);
    EXPECT_FALSE(addAssignField(r, "NTT = melody+bass"));  // a Ctb2 name; case and blanks ignored
    EXPECT_EQ(r.byKind[1].rules[1], 0x81);
    EXPECT_FALSE(addAssignField(r, "rtr=0x2"));
    EXPECT_EQ(r.byKind[0].rules[5], 2);
    EXPECT_EQ(r.byKind[1].rules[5], 2);
    EXPECT_FALSE(addAssignField(r, "lowlimit=C#3"));
    EXPECT_EQ(r.byKind[0].rules[3], 37);
    EXPECT_FALSE(addAssignField(r, "highlimit=G10"));
    EXPECT_EQ(r.byKind[1].rules[4], 127);
    EXPECT_FALSE(addAssignField(r, "notemute=0x0FFE"));
    EXPECT_EQ(r.byKind[0].noteMute, (NoteMask{0x0F, 0xFE}));
    EXPECT_FALSE(addAssignField(r, "chordmute=None"));
    EXPECT_EQ(r.byKind[0].chordMute, fullChordMask());
    EXPECT_FALSE(addAssignField(r, "chordmute=0x200000000"));  // 1+2+5 only
    EXPECT_EQ(r.byKind[0].chordMute, (ChordMask{0x02, 0, 0, 0, 0}));
    EXPECT_FALSE(addAssignField(r, "autostart=Yes"));
    EXPECT_FALSE(addAssignField(r, "root=F#"));
    EXPECT_EQ(r.root, 6);
    EXPECT_FALSE(addAssignField(r, "type=min7"));
    EXPECT_EQ(r.type, 10);
    EXPECT_FALSE(r.empty());

    EXPECT_EQ(addAssignField(r, "ntt=Nothing"), "ntt=Nothing: not a value of ntt");
    EXPECT_EQ(addAssignField(r, "lowlimit=H5"), "lowlimit=H5: not a note (such as C5) or a number 0 to 127");
    EXPECT_EQ(addAssignField(r, "lowlimit=128"), "lowlimit=128: not a note (such as C5) or a number 0 to 127");
    EXPECT_EQ(addAssignField(r, "notemute=SEL"), "notemute=SEL: not None or a 12-bit mask (note n is bit n)");
    EXPECT_EQ(addAssignField(r, "colour=red"), "colour=red: no such field");
    EXPECT_EQ(addAssignField(r, "ntr"), "ntr: not FIELD=VALUE");
    EXPECT_EQ(addAssignField(r, "rtr=256"), "rtr=256: not a value of rtr");
    EXPECT_EQ(setAssignZone(r, "top"), "--zone top: not low, middle or high");
    EXPECT_FALSE(setAssignZone(r, "High"));
    EXPECT_EQ(r.byKind[1].zone, Zone::High);
    EXPECT_EQ(noteFromText("C0"), 0);
    EXPECT_EQ(noteFromText("c5"), 60);
    EXPECT_EQ(noteFromText("G#10"), std::nullopt);
}

TEST(CasmAssignFields, AppliesToTheGroupAndEachKindItsValues) {
    std::vector<Entry> entries = {ctabEntry(9, "Main A"), ctabEntry(10, "Main A"), ctb2FromCtab(ctabEntry(9, "Main B"))};
    entries[0].setAutoStart(true);
    AssignRequest r;
    ASSERT_FALSE(addAssignField(r, "ntr=1"));
    ASSERT_FALSE(addAssignField(r, "chordmute=0"));
    ASSERT_FALSE(addAssignField(r, "type=Maj"));
    ASSERT_FALSE(setAssignZone(r, "low"));
    const Group channel9{Group::By::Channel, {}, 9};  // the MidiChan byte
    EXPECT_EQ(applyAssignRequest(entries, channel9, r), 2);
    EXPECT_EQ(entries[0][NTR], 1);
    EXPECT_EQ(entries[0][ChordMute4], kAutoStartBit);  // chord bits gone, AutoStart kept
    EXPECT_EQ(entries[0][ChordType], 0);
    EXPECT_EQ(entries[1][NTR], 0);  // channel 10: not in the group
    EXPECT_EQ(entries[2].rule(Zone::Low, Rule::NTR), 1);
    EXPECT_NE(entries[2].rule(Zone::Middle, Rule::NTR), 1);  // only the low zone
    EXPECT_EQ(entries[2][ChordMute0], 0);
    EXPECT_EQ(applyAssignRequest(entries, channel9, r), 0);  // nothing left to change
}
